#pragma once
// The references shared across the program, set during start-up and cleared at shutdown.
// The start-up objects are owned here: reset() clears a reference before it frees the object.
#include "startup/PublicClass.h"
#include "startup/ServiceObjects.h"

#include <memory>

class TdmPublic;
class TfrmCalc;

inline std::unique_ptr<TPublicClass> PublicObject;
inline std::unique_ptr<TMiddleClass> MiddleObject;
inline std::unique_ptr<TObjCds> CdsObject;
inline std::unique_ptr<TObjAccess> AccessObject;

// Owned by the application object.
inline TdmPublic* dmPublic = nullptr;
inline TfrmCalc* frmCalc = nullptr;
