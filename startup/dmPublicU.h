#pragma once
// The data module: the database connection and the components attached to it.
#include "startup/DataModuleComponents.h"

#include "platform/ADOConnection.h"

#include <QObject>

class TdmPublic : public QObject {
    Q_OBJECT

public:
    TdmPublic();
    ~TdmPublic() override;

    // Opens the connection from PublicObject's connection string. On failure the user is
    // told, the connection stays closed, termination is requested and the result is false.
    bool ConnectDatabase();

    platform::TADOConnection ADOConnection;
    TADOQuery adsGetRecord{ADOConnection};
    TADOQuery adsApplyUpdate{ADOConnection};
    TADOQuery adqExecute{ADOConnection};
    TADOQuery adsMetaData{ADOConnection};
    TDataSetProvider dspGetRecord{.DataSet = adsGetRecord, .Exported = false};
    TDataSetProvider dspApplyUpdate{.DataSet = adsApplyUpdate, .AllowCommandText = true};
    TDataSetProvider dspDebugOnly{.DataSet = adqExecute, .Exported = false};
    TImageList imgBaseLarge{24, 24};
    TImageList imgBaseSmall{16, 16};

private:
    void DataModuleCreate(QObject* Sender);
    void DataModuleDestroy(QObject* Sender);
};
