// The dialogs open over one screen, the newest on top. Only the top one takes the
// logic update (dialogs are modal); all of them are drawn, oldest first. A dialog's
// answer goes to the function given when it was opened, and that function may open
// another dialog or take any dialog off, the answering one included: such changes wait
// until the update is over, so nothing is destroyed while it is still running.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "ui/Dialog.h"

class TDialogStack {
 public:
  using TOnClose = std::function<void(int result)>;

  ~TDialogStack();
  // Puts the dialog on top, starting it when it is not active yet. onClose is called
  // once with its answer (1 or -1).
  void Open(TDialogPtr dialog, TOnClose onClose = nullptr);
  // Takes the dialog off without asking it for an answer.
  void Remove(const TDialog* dialog);
  // One logic update of the top dialog: 1 when a dialog was open and took the update,
  // 0 when there was none (the screen goes on with its own logic).
  int Manage();
  void Draw();
  // Kills every dialog at once (or, during an update, as soon as it is over).
  void Kill();
  bool Empty() const;
  int Count() const;
  TDialog* Top() const;

 private:
  struct TEntry {
    TDialogPtr Dialog;
    TOnClose OnClose;
    bool Answered = false;
    bool Gone = false;
  };
  void Settle();
  std::vector<TEntry> entries_;
  std::vector<TEntry> opening_;
  int stepping_ = 0;
};
