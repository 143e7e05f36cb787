#pragma once
// The window's controls as the program's logic sees them. Search, rendering,
// counting, updating and the banner read and write control properties through
// this interface only; the Qt window implements it, tests use an in-memory one.
// Every routine may be called from any thread: the Qt side hands writes made
// on a worker thread to the window's thread, in the order they were made.
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "text/Text.h"

enum class Control {
  透明标签2,
  图形按钮4,
  时钟1,
  超级按钮1,
  超文本浏览框1,
  图形按钮3,
  图形按钮2,
  图形按钮1,
  透明标签1,
  编辑框1,
  图片框1,
};

// The form name of a control, UTF-8, as used for its Qt object name.
std::string_view ControlName(Control control);

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(Colour, Colour) = default;
};

inline constexpr Colour kSilver{192, 192, 192};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kLightGrey{236, 236, 236};

enum class Edge { Left, Top, Width, Height };

class Controls {
 public:
  virtual ~Controls() = default;

  // Text of a label or of the edit box.
  virtual Text GetText(Control control) = 0;
  virtual void SetText(Control control, const Text& text) = 0;
  virtual void SetTextColour(Control control, Colour colour) = 0;

  virtual bool Visible(Control control) = 0;
  virtual void SetVisible(Control control, bool visible) = 0;
  virtual bool Disabled(Control control) = 0;
  virtual void SetDisabled(Control control, bool disabled) = 0;

  virtual int Place(Control control, Edge edge) = 0;
  virtual void SetPlace(Control control, Edge edge, int value) = 0;

  // Address of the browser box: setting it loads and shows that local file anew.
  virtual void SetAddress(Control browser, const std::filesystem::path& file) = 0;
  // Checked state of a toggle picture button.
  virtual bool Checked(Control button) = 0;
  // Period of the timer in milliseconds; 0 stops it.
  virtual void SetPeriod(Control timer, int milliseconds) = 0;
  // The picture the banner button shows, as image file bytes.
  virtual void SetPicture(Control banner, const Bytes& picture) = 0;
};
