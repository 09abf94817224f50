// Finding the window's controls: every accessor asks the window's registry
// afresh, so no field ever holds a control. An accessor gives nothing for a
// control that is not there; callers test for it.

#include "game/Window1.h"

namespace window1 {

ImageWell1::ImageWell1(std::int32_t index) { SetIndex(index); }

}  // namespace window1

namespace {

template <class T>
T* Find(fw::Window& window, std::string_view name) {
  return fw::CheckCast<T>(window.ControlByName(name));
}

}  // namespace

fw::ImageWell* Window1::ImageWell1(std::int32_t index) {
  return fw::CheckCast<fw::ImageWell>(ControlByNameIndex("ImageWell1", index));
}

fw::PushButton* Window1::PushButton1() { return Find<fw::PushButton>(*this, "PushButton1"); }
fw::PushButton* Window1::PushButton2() { return Find<fw::PushButton>(*this, "PushButton2"); }
fw::Timer* Window1::Timer1() { return Find<fw::Timer>(*this, "Timer1"); }
fw::PushButton* Window1::PushButton3() { return Find<fw::PushButton>(*this, "PushButton3"); }
fw::Label* Window1::Label1() { return Find<fw::Label>(*this, "Label1"); }
fw::Label* Window1::Label2() { return Find<fw::Label>(*this, "Label2"); }
fw::Label* Window1::Label3() { return Find<fw::Label>(*this, "Label3"); }
fw::Timer* Window1::Timer2() { return Find<fw::Timer>(*this, "Timer2"); }
fw::Label* Window1::Label4() { return Find<fw::Label>(*this, "Label4"); }
fw::TabPanel* Window1::TabPanel1() { return Find<fw::TabPanel>(*this, "TabPanel1"); }
fw::Label* Window1::Label10() { return Find<fw::Label>(*this, "Label10"); }
fw::Label* Window1::Label11() { return Find<fw::Label>(*this, "Label11"); }
fw::Label* Window1::Label12() { return Find<fw::Label>(*this, "Label12"); }
fw::Label* Window1::Label7() { return Find<fw::Label>(*this, "Label7"); }
fw::Label* Window1::Label6() { return Find<fw::Label>(*this, "Label6"); }
fw::Label* Window1::Label9() { return Find<fw::Label>(*this, "Label9"); }
fw::Label* Window1::Label8() { return Find<fw::Label>(*this, "Label8"); }
fw::ImageWell* Window1::ImageWell2() { return Find<fw::ImageWell>(*this, "ImageWell2"); }
fw::Label* Window1::Label20() { return Find<fw::Label>(*this, "Label20"); }
fw::Label* Window1::Label21() { return Find<fw::Label>(*this, "Label21"); }
fw::Label* Window1::Label22() { return Find<fw::Label>(*this, "Label22"); }
fw::Label* Window1::Label23() { return Find<fw::Label>(*this, "Label23"); }
fw::PushButton* Window1::PushButton4() { return Find<fw::PushButton>(*this, "PushButton4"); }
fw::PushButton* Window1::PushButton5() { return Find<fw::PushButton>(*this, "PushButton5"); }
fw::PushButton* Window1::PushButton6() { return Find<fw::PushButton>(*this, "PushButton6"); }
fw::Label* Window1::Label24() { return Find<fw::Label>(*this, "Label24"); }
fw::Label* Window1::Label15() { return Find<fw::Label>(*this, "Label15"); }
fw::Label* Window1::Label16() { return Find<fw::Label>(*this, "Label16"); }
fw::Label* Window1::Label17() { return Find<fw::Label>(*this, "Label17"); }
fw::Label* Window1::Label18() { return Find<fw::Label>(*this, "Label18"); }
fw::Label* Window1::Label19() { return Find<fw::Label>(*this, "Label19"); }
fw::GroupBox* Window1::GroupBox1() { return Find<fw::GroupBox>(*this, "GroupBox1"); }
fw::RadioButton* Window1::RadioButton1() { return Find<fw::RadioButton>(*this, "RadioButton1"); }
fw::RadioButton* Window1::RadioButton2() { return Find<fw::RadioButton>(*this, "RadioButton2"); }
