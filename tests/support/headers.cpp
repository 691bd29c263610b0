// Holds the precompiled headers the core tests share; it has no code of its own.
