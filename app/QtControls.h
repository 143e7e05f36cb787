#pragma once
#include "app/Controls.h"

class MainWindow;
class QWidget;

// The control interface over the real window. Called on the window's thread it
// acts at once; called on a worker thread it queues writes to the window's
// thread, in the order the worker made them, and waits for the answer of reads.
class QtControls final : public Controls {
 public:
  explicit QtControls(MainWindow& window) : window_(window) {}

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

 private:
  QWidget* Widget(Control control) const;
  template <typename F>
  void Post(F&& write);
  template <typename F>
  auto Ask(F&& read) -> decltype(read());

  MainWindow& window_;
};
