#pragma once
// The shared service objects. They carry no state and no operations of their own yet; the
// program creates one of each at start-up and frees it at shutdown.

class TDataBaseEx {};

class TMiddleClass : public TDataBaseEx {};

class TObjCds {};

class TObjAccess {};
