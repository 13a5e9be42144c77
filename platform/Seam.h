// A platform interface that tests can replace: the system's implementation
// unless a test put its own in place.
#pragma once

template <class Interface, class SystemImplementation>
class Seam {
 public:
  static Interface& Get() { return *Current(); }
  // nullptr puts the system's implementation back.
  static void Set(Interface* replacement) {
    Current() = replacement ? replacement : &Implementation();
  }

 private:
  static Interface*& Current() {
    static Interface* current = &Implementation();
    return current;
  }
  static SystemImplementation& Implementation() {
    static SystemImplementation system;
    return system;
  }
};
