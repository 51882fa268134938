#pragma once
// Fills the public object and creates the shared service objects and the first data
// module; Finalize releases what the start-up routine created, in reverse order.
class TSysInitialization {
public:
    TSysInitialization() = delete;

    // PublicObject must exist and the application object must run.
    static void Initialize();
    static void Finalize() noexcept;
};
