#pragma once
// The kinds of component the data module holds besides its connection. Nothing in the
// program runs a query, uses a provider or shows an image yet, so each kind keeps only its
// settings.
#include "platform/ADOConnection.h"

struct TADOQuery {
    platform::TADOConnection& Connection;
};

struct TDataSetProvider {
    const TADOQuery& DataSet;
    bool Exported = true;
    bool AllowCommandText = false;  // poAllowCommandText: clients may send their own SQL
};

struct TImageList {
    int Width;
    int Height;
};
