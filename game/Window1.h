#pragma once

// The game window: the board of nine squares, START and "END ?", the score,
// the two timers, the About/Instructions pages and the MODE choice. All the
// game's state lives here, and all of the game happens in this window's
// event handlers.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Framework.h"

namespace window1 {

// The class of the nine board squares: an image well that carries its
// square number as its Index from the moment it is made.
class ImageWell1 : public fw::ImageWell {
 public:
  explicit ImageWell1(std::int32_t index);
};

}  // namespace window1

class Window1 : public fw::Window {
 public:
  // The single game window; the first request builds it.
  static Window1& Instance();
  // The window's own designer property record, and its controls' in the
  // order they are made.
  [[nodiscard]] static std::string DesignRecord();
  [[nodiscard]] static std::vector<std::string> ControlRecords();

  Window1();

  // --- Game state -----------------------------------------------------------
  // The score is not here: it is only ever the text of Label2.
  std::int32_t last = 10;       // square of the round's previous flash; 10: none yet
  std::string str1;             // the computer's flashes over the whole game
  std::string str2;             // the player's answers over the whole game
  std::int32_t jj = 1;          // number of the round's next flash
  std::int32_t kk = 0;          // answer clicks in the round
  std::int32_t numb2 = 2;       // flashes per round
  std::string color1;           // colour letter last chosen on the board
  std::string monit = "\"3\"";  // score text at which Fillit last painted
  std::string color2;           // colour word last chosen on the practice square

  // --- Construction ---------------------------------------------------------
  void Layout();
  void CreateControls();
  void CreateControls0();
  void CreateControls1();

  // --- Controls, looked up afresh on every call; nothing when missing ----
  fw::ImageWell* ImageWell1(std::int32_t index);
  fw::PushButton* PushButton1();
  fw::PushButton* PushButton2();
  fw::Timer* Timer1();
  fw::PushButton* PushButton3();
  fw::Label* Label1();
  fw::Label* Label2();
  fw::Label* Label3();
  fw::Timer* Timer2();
  fw::Label* Label4();
  fw::TabPanel* TabPanel1();
  fw::Label* Label10();
  fw::Label* Label11();
  fw::Label* Label12();
  fw::Label* Label7();
  fw::Label* Label6();
  fw::Label* Label9();
  fw::Label* Label8();
  fw::ImageWell* ImageWell2();
  fw::Label* Label20();
  fw::Label* Label21();
  fw::Label* Label22();
  fw::Label* Label23();
  fw::PushButton* PushButton4();
  fw::PushButton* PushButton5();
  fw::PushButton* PushButton6();
  fw::Label* Label24();
  fw::Label* Label15();
  fw::Label* Label16();
  fw::Label* Label17();
  fw::Label* Label18();
  fw::Label* Label19();
  fw::GroupBox* GroupBox1();
  fw::RadioButton* RadioButton1();
  fw::RadioButton* RadioButton2();

  // --- Event handlers -------------------------------------------------------
  // The board
  bool ImageWell1_MouseDown(fw::ImageWell& square, std::int32_t x, std::int32_t y);
  void ImageWell1_MouseEnter(fw::ImageWell& square);
  bool ImageWell1_MouseWheel(fw::ImageWell& square, std::int32_t x, std::int32_t y,
                             std::int32_t deltaX, std::int32_t deltaY);
  void ImageWell1_MouseExit(fw::ImageWell& square);
  // START, END, the flash and clear ticks, the answer check
  void PushButton1_Action(fw::PushButton& button);
  void PushButton1_MouseExit(fw::PushButton& button);
  void PushButton2_Action(fw::PushButton& button);
  void Timer1_Action(fw::Timer& timer);
  void PushButton3_Action(fw::PushButton& button);
  void Timer2_Action(fw::Timer& timer);
  // The About and Instructions pages
  bool Label7_MouseDown(fw::Label& label, std::int32_t x, std::int32_t y);
  bool Label8_MouseDown(fw::Label& label, std::int32_t x, std::int32_t y);
  bool ImageWell2_MouseWheel(fw::ImageWell& square, std::int32_t x, std::int32_t y,
                             std::int32_t deltaX, std::int32_t deltaY);
  void ImageWell2_MouseExit(fw::ImageWell& square);
  bool ImageWell2_MouseDown(fw::ImageWell& square, std::int32_t x, std::int32_t y);
  bool Label22_MouseDown(fw::Label& label, std::int32_t x, std::int32_t y);
  void PushButton4_Action(fw::PushButton& button);
  void PushButton5_Action(fw::PushButton& button);
  void PushButton6_Action(fw::PushButton& button);

  // --- Menu items of the window's menu bar --------------------------------
  fw::MenuItem* EditMenu();
  fw::MenuItem* EditSelectAll();
  fw::MenuItem* UntitledMenu0();
  fw::MenuItem* EditClear();
  fw::MenuItem* EditPaste();
  fw::MenuItem* EditCopy();
  fw::MenuItem* EditCut();
  fw::MenuItem* UntitledMenu1();
  fw::MenuItem* EditUndo();
  fw::MenuItem* FileMenu();
  fw::QuitMenuItem* FileQuit();

  // --- The board as a whole ----------------------------------------------
  void Event_Open();
  void Clearit();
  void Fillit(const std::shared_ptr<fw::Picture>& picture);
  void DISABLEIT();
  void enableit();

 private:
  fw::MenuItem* MenuItemNamed(std::string_view name);
  // Runs an action on each board square, 0 to 8, found afresh.
  void ForEachSquare(const std::function<void(fw::ImageWell&)>& action);
  // Plays the sound while "normal" is selected in the MODE group.
  void PlayUnlessSilent(std::shared_ptr<fw::Sound> (*sound)());
};
