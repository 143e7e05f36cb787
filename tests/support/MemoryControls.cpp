#include "support/MemoryControls.h"

#include "app/ControlTable.h"
#include "text/GbkCodec.h"

MemoryControls::MemoryControls() {
  for (const ControlLayout& layout : kControlTable) {
    State& state = states_[layout.control];
    state.visible = layout.visible;
    state.place[0] = layout.left;
    state.place[1] = layout.top;
    state.place[2] = layout.width;
    state.place[3] = layout.height;
  }
  states_[Control::透明标签1].text = Utf8ToGbk(kStatusLabelInitialText);
  states_[Control::透明标签1].colour = kLightGrey;
  states_[Control::透明标签2].colour = kSilver;
}

void MemoryControls::Note(Control control, const std::string& what) {
  log_.push_back(std::string(ControlName(control)) + "." + what);
}

Text MemoryControls::GetText(Control control) {
  std::lock_guard lock(mutex_);
  return states_[control].text;
}

void MemoryControls::SetText(Control control, const Text& text) {
  std::lock_guard lock(mutex_);
  states_[control].text = text;
  Note(control, "text=" + GbkToUtf8(text));
}

void MemoryControls::SetTextColour(Control control, Colour colour) {
  std::lock_guard lock(mutex_);
  states_[control].colour = colour;
  Note(control, "colour=" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
                    std::to_string(colour.blue));
}

bool MemoryControls::Visible(Control control) {
  std::lock_guard lock(mutex_);
  return states_[control].visible;
}

void MemoryControls::SetVisible(Control control, bool visible) {
  std::lock_guard lock(mutex_);
  states_[control].visible = visible;
  Note(control, visible ? "visible" : "hidden");
}

bool MemoryControls::Disabled(Control control) {
  std::lock_guard lock(mutex_);
  return states_[control].disabled;
}

void MemoryControls::SetDisabled(Control control, bool disabled) {
  std::lock_guard lock(mutex_);
  states_[control].disabled = disabled;
  Note(control, disabled ? "disabled" : "enabled");
}

int MemoryControls::Place(Control control, Edge edge) {
  std::lock_guard lock(mutex_);
  return states_[control].place[static_cast<int>(edge)];
}

void MemoryControls::SetPlace(Control control, Edge edge, int value) {
  std::lock_guard lock(mutex_);
  states_[control].place[static_cast<int>(edge)] = value;
  static const char* const kEdges[] = {"left", "top", "width", "height"};
  Note(control, std::string(kEdges[static_cast<int>(edge)]) + "=" + std::to_string(value));
}

void MemoryControls::SetAddress(Control browser, const std::filesystem::path& file) {
  std::lock_guard lock(mutex_);
  states_[browser].address = file;
  ++states_[browser].addressLoads;
  Note(browser, "address=" + file.string());
}

bool MemoryControls::Checked(Control button) {
  std::lock_guard lock(mutex_);
  return states_[button].checked;
}

void MemoryControls::SetPeriod(Control timer, int milliseconds) {
  std::lock_guard lock(mutex_);
  states_[timer].period = milliseconds;
  Note(timer, "period=" + std::to_string(milliseconds));
}

void MemoryControls::SetPicture(Control banner, const Bytes& picture) {
  std::lock_guard lock(mutex_);
  states_[banner].picture = picture;
  Note(banner, "picture=" + std::to_string(picture.size()) + " bytes");
}

void MemoryControls::Type(Control control, std::string_view utf8) {
  std::lock_guard lock(mutex_);
  states_[control].text = Utf8ToGbk(utf8);
}

void MemoryControls::SetChecked(Control control, bool checked) {
  std::lock_guard lock(mutex_);
  states_[control].checked = checked;
}

MemoryControls::State& MemoryControls::operator[](Control control) {
  std::lock_guard lock(mutex_);
  return states_[control];
}

std::vector<std::string> MemoryControls::Log() {
  std::lock_guard lock(mutex_);
  return log_;
}

std::vector<std::string> MemoryControls::StatusTexts() {
  std::lock_guard lock(mutex_);
  std::vector<std::string> texts;
  const std::string prefix = std::string(ControlName(Control::透明标签1)) + ".text=";
  for (const auto& line : log_)
    if (line.rfind(prefix, 0) == 0) texts.push_back(line.substr(prefix.size()));
  return texts;
}

void MemoryControls::ClearLog() {
  std::lock_guard lock(mutex_);
  log_.clear();
}
