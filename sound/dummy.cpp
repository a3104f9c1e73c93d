// Placeholder so the library has a source until the backends land.
namespace sound { int placeholder() { return 0; } }
