#pragma once
// The control interface held in memory, for tests of the program's logic. It
// starts as the window starts (places, visibility, texts, colours) and keeps a
// log of every write, in order, so a test can see the sequence a user sees.
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "app/Controls.h"

class MemoryControls final : public Controls {
 public:
  struct State {
    Text text;
    Colour colour;
    bool visible = true;
    bool disabled = false;
    int place[4] = {0, 0, 0, 0};
    bool checked = false;
    int period = 0;
    std::filesystem::path address;
    Bytes picture;
    int addressLoads = 0;  // how often the browser box was pointed at a file
  };

  MemoryControls();

  Text GetText(Control control) override;
  void SetText(Control control, const Text& text) override;
  void SetTextColour(Control control, Colour colour) override;
  bool Visible(Control control) override;
  void SetVisible(Control control, bool visible) override;
  bool Disabled(Control control) override;
  void SetDisabled(Control control, bool disabled) override;
  int Place(Control control, Edge edge) override;
  void SetPlace(Control control, Edge edge, int value) override;
  void SetAddress(Control browser, const std::filesystem::path& file) override;
  bool Checked(Control button) override;
  void SetPeriod(Control timer, int milliseconds) override;
  void SetPicture(Control banner, const Bytes& picture) override;

  // What a user does: type into a box, flip a switch.
  void Type(Control control, std::string_view utf8);
  void SetChecked(Control control, bool checked);

  State& operator[](Control control);
  // Every write so far, one line each, texts in UTF-8: "透明标签1.text=…".
  std::vector<std::string> Log();
  // The texts the status line showed, in order, in UTF-8.
  std::vector<std::string> StatusTexts();
  void ClearLog();

 private:
  void Note(Control control, const std::string& what);
  std::mutex mutex_;
  std::map<Control, State> states_;
  std::vector<std::string> log_;
};
