// The game window: its layout, its 34 controls (looked up by name on every
// use, never cached), the handlers bound to their events, the menu-item
// accessors and the window's own events. The game state lives in Module1.
#pragma once

#include <cstdint>
#include <string>

#include "rt/rt.h"

// The window's six timer classes, registered as "Window1.Timer1" to
// "Window1.Timer6". The class cannot be Window1::Timer1 in C++, because
// Window1 already has a method Timer1() that returns the timer; so each
// class name has an underscore where the registered name has a dot:
// Window1_Timer1 to Window1_Timer6.
class Window1_Timer1 : public rt::Timer {};
class Window1_Timer2 : public rt::Timer {};
class Window1_Timer3 : public rt::Timer {};
class Window1_Timer4 : public rt::Timer {};
class Window1_Timer5 : public rt::Timer {};
class Window1_Timer6 : public rt::Timer {};

class Window1 : public rt::Window {
 public:
  Window1() : rt::Window("Window1.Window1") {}

  // The implicit instance: the living game window, or a new one, built and
  // shown (its Open has run) before it is returned.
  static rt::Ref<Window1> Instance();

  // Construction hooks.
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();  // controls 1 to 30
  void CreateControls1();  // controls 31 to 34

  // Control accessors, in creation order. The three middle cells form the pay
  // line; the payout reads the bankroll back from StaticText2.
  rt::Ref<rt::Rectangle> Rectangle1();      // the machine's front: reels, wager, bankroll
  rt::Ref<rt::Rectangle> Rectangle2();      // the dark pay line behind the middle row
  rt::Ref<rt::Canvas> Canvas2();            // reel 1, middle cell (on the pay line)
  rt::Ref<rt::Canvas> Canvas5();            // reel 2, middle cell (on the pay line)
  rt::Ref<rt::Canvas> Canvas8();            // reel 3, middle cell (on the pay line)
  rt::Ref<rt::GroupBox> GroupBox1();        // the wager group
  rt::Ref<rt::Label> StaticText1();         // the wager caption
  rt::Ref<rt::RadioButton> RadioButton1();  // wager 1 (selected at start)
  rt::Ref<rt::RadioButton> RadioButton2();  // wager 5
  rt::Ref<rt::RadioButton> RadioButton3();  // wager 10
  rt::Ref<rt::Label> StaticText2();         // the bankroll figure, the one of record
  rt::Ref<rt::Label> StaticText3();         // the bankroll caption
  rt::Ref<rt::Rectangle> Rectangle3();      // frame of reel 1, top cell
  rt::Ref<rt::Canvas> Canvas1();            // reel 1, top cell
  rt::Ref<rt::Rectangle> Rectangle4();      // frame of reel 2, top cell
  rt::Ref<rt::Canvas> Canvas4();            // reel 2, top cell
  rt::Ref<rt::Rectangle> Rectangle5();      // frame of reel 3, top cell
  rt::Ref<rt::Canvas> Canvas7();            // reel 3, top cell
  rt::Ref<rt::Rectangle> Rectangle6();      // frame of reel 1, bottom cell
  rt::Ref<rt::Canvas> Canvas3();            // reel 1, bottom cell
  rt::Ref<rt::Rectangle> Rectangle7();      // frame of reel 2, bottom cell
  rt::Ref<rt::Canvas> Canvas6();            // reel 2, bottom cell
  rt::Ref<rt::Rectangle> Rectangle8();      // frame of reel 3, bottom cell
  rt::Ref<rt::Canvas> Canvas9();            // reel 3, bottom cell
  rt::Ref<rt::Canvas> Canvas10();           // the pull handle
  rt::Ref<rt::Timer> Timer1();              // 1500 ms, once: stops reel 1
  rt::Ref<rt::Timer> Timer2();              // 2500 ms, once: stops reel 2
  rt::Ref<rt::Timer> Timer3();              // 3500 ms, once: stops reel 3 and pays out
  rt::Ref<rt::Label> StaticText4();         // the play instructions
  rt::Ref<rt::Label> StaticText5();         // the pay rules, five lines
  rt::Ref<rt::Label> StaticText6();         // "JACKPOT", shown 8 s after three sevens
  rt::Ref<rt::Timer> Timer4();              // 8000 ms, once: hides the banner
  rt::Ref<rt::Timer> Timer5();              // 300 ms, once: from the pull to the spin start
  rt::Ref<rt::Timer> Timer6();              // 100 ms, repeating: steps and redraws the reels

  // Control event handlers.
  void RadioButton1_Action(rt::Ref<rt::RadioButton> control);
  void RadioButton2_Action(rt::Ref<rt::RadioButton> control);
  void RadioButton3_Action(rt::Ref<rt::RadioButton> control);
  bool Canvas10_MouseDown(rt::Ref<rt::Canvas> control, int32_t x, int32_t y);
  void Timer1_Action(rt::Ref<rt::Timer> control);
  void Timer2_Action(rt::Ref<rt::Timer> control);
  void Timer3_Action(rt::Ref<rt::Timer> control);
  void Timer4_Action(rt::Ref<rt::Timer> control);
  void Timer5_Action(rt::Ref<rt::Timer> control);
  void Timer6_Action(rt::Ref<rt::Timer> control);

  // Menu-item accessors on the window's own menu bar; nil for a name the bar
  // does not hold (UntitledMenu2).
  rt::Ref<rt::AppleMenuItem> CheckforUpdateMenu();
  rt::Ref<rt::AppleMenuItem> AppleAboutJolvane();
  rt::Ref<rt::MenuItem> CheckforUpdateCheckNow();
  rt::Ref<rt::MenuItem> ATMMenu();
  rt::Ref<rt::MenuItem> ATMAdd20Tokens();
  rt::Ref<rt::MenuItem> SoundMenu();
  rt::Ref<rt::MenuItem> SoundSoundOff();
  rt::Ref<rt::MenuItem> SoundSoundOn();
  rt::Ref<rt::MenuItem> EditMenu();
  rt::Ref<rt::MenuItem> EditClear();
  rt::Ref<rt::MenuItem> EditPaste();
  rt::Ref<rt::MenuItem> EditCopy();
  rt::Ref<rt::MenuItem> EditCut();
  rt::Ref<rt::MenuItem> UntitledMenu0();
  rt::Ref<rt::MenuItem> EditUndo();
  rt::Ref<rt::MenuItem> UntitledMenu2();
  rt::Ref<rt::MenuItem> FileMenu();
  rt::Ref<rt::QuitMenuItem> FileQuit();

  // The window's own events.
  bool Event_KeyDown(const std::string& key) override;
  void Event_Open() override;
  void Event_Close() override;

 protected:
  void Result();
  void CheckWager();
};
