#include "gfx/Counter.h"

#include <cmath>

#include "core/GameClock.h"
#include "core/Globals.h"

std::shared_ptr<TCounter> TCounter::Create(float ms, int activate) {
  auto c = std::make_shared<TCounter>();
  c->CounterLength = static_cast<int>(std::trunc(Clock().CalcAnimLengthFromFloat(ms)));
  if (activate) c->Activate();
  return c;
}

void TCounter::Activate() {
  Counter = static_cast<float>(CounterLength);
  Active = 1;
}

float TCounter::GetRatio() const {
  // A counter shorter than one tick has no length to divide by.
  if (CounterLength == 0) return 0.0f;
  return Counter / static_cast<float>(CounterLength);
}

int TCounter::Manage() {
  if (Counter > 0.0f) {
    Counter -= Delta;
    if (Counter <= 0.0f) {
      Stop(1);
      return 1;
    }
  }
  return 0;
}

void TCounter::Stop(int reset) {
  if (reset) Counter = 0.0f;
  Active = 0;
}

std::shared_ptr<TCounterWithValue> TCounterWithValue::CreateWithValue(float ms, int activate, int value) {
  auto c = std::make_shared<TCounterWithValue>();
  c->CounterLength = static_cast<int>(std::trunc(Clock().CalcAnimLengthFromFloat(ms)));
  if (activate) c->Activate();
  c->value = value;
  return c;
}

std::shared_ptr<TCounter> TCounterList::AddNew(float ms) {
  auto c = TCounter::Create(ms, 1);
  Items.push_back(c);
  return c;
}

std::shared_ptr<TCounterWithValue> TCounterList::AddNewWithValue(float ms, int value) {
  auto c = TCounterWithValue::CreateWithValue(ms, 1, value);
  Items.push_back(c);
  return c;
}

void TCounterList::Manage(int remove) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < Items.size(); ++i) {
    const bool ranOut = Items[i]->Manage() == 1;
    if (ranOut && remove) continue;
    if (kept != i) Items[kept] = std::move(Items[i]);
    ++kept;
  }
  Items.resize(kept);
}
