// The program's one menu bar, built in code and shared by the application
// object and the game window.
#pragma once

#include "rt/rt.h"

class MenuBar1 : public rt::MenuBar {
 public:
  // The implicit instance, built on the first call (which is early start-up)
  // and returned unchanged afterwards.
  static rt::Ref<MenuBar1> Instance();
  // Drops the implicit instance at exit.
  static void ReleaseInstance();
  // Whether the implicit instance exists (built and not yet released).
  static bool InstanceExists();

  // Runs the five builders, one per top-level menu.
  void Constructor();
  void Untitled0();  // File
  void Untitled2();  // Edit
  void Untitled3();  // Sound
  void Untitled4();  // ATM
  void Untitled5();  // Check for Update

 private:
  static rt::Ref<MenuBar1> implicitInstance;
};
