#include "ui/DialogStack.h"

#include <algorithm>

TDialogStack::~TDialogStack() {
  for (auto& e : entries_) e.Dialog->Kill();
  for (auto& e : opening_) e.Dialog->Kill();
}

void TDialogStack::Open(TDialogPtr dialog, TOnClose onClose) {
  if (!dialog) return;
  if (!dialog->Active) dialog->Start();
  TEntry entry{std::move(dialog), std::move(onClose)};
  if (stepping_) opening_.push_back(std::move(entry));
  else entries_.push_back(std::move(entry));
}

void TDialogStack::Remove(const TDialog* dialog) {
  for (auto& e : entries_)
    if (e.Dialog.get() == dialog) e.Gone = true;
  for (auto& e : opening_)
    if (e.Dialog.get() == dialog) e.Gone = true;
  if (!stepping_) Settle();
}

void TDialogStack::Settle() {
  for (auto& e : opening_) entries_.push_back(std::move(e));
  opening_.clear();
  auto gone = std::stable_partition(entries_.begin(), entries_.end(), [](const TEntry& e) { return !e.Gone; });
  std::vector<TEntry> dropped(std::make_move_iterator(gone), std::make_move_iterator(entries_.end()));
  entries_.erase(gone, entries_.end());
  for (auto& e : dropped) e.Dialog->Kill();
}

int TDialogStack::Manage() {
  if (entries_.empty() && opening_.empty()) return 0;
  Settle();
  if (entries_.empty()) return 0;
  ++stepping_;
  // The entry may be marked gone meanwhile, but it stays in place (and alive) until
  // the update is over.
  const size_t top = entries_.size() - 1;
  TDialogPtr dialog = entries_[top].Dialog;
  if (!entries_[top].Gone) {
    const int result = dialog->Manage();
    if (result != 0 && !entries_[top].Answered) {
      entries_[top].Answered = true;
      TOnClose onClose = entries_[top].OnClose;
      if (onClose) onClose(result);
    }
    // An answered dialog that is still sliding away stays on until it has gone.
    if (entries_[top].Answered && !dialog->Active) entries_[top].Gone = true;
  }
  --stepping_;
  if (!stepping_) Settle();
  return 1;
}

void TDialogStack::Draw() {
  // A copy: a dialog's drawing never changes the stack, but stays safe if it did.
  const std::vector<TEntry> shown = entries_;
  for (const auto& e : shown)
    if (!e.Gone) e.Dialog->Draw();
}

void TDialogStack::Kill() {
  for (auto& e : entries_) e.Gone = true;
  for (auto& e : opening_) e.Gone = true;
  if (!stepping_) Settle();
}

bool TDialogStack::Empty() const { return entries_.empty() && opening_.empty(); }

int TDialogStack::Count() const { return int(entries_.size() + opening_.size()); }

TDialog* TDialogStack::Top() const {
  if (!opening_.empty()) return opening_.back().Dialog.get();
  return entries_.empty() ? nullptr : entries_.back().Dialog.get();
}
