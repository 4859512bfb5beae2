#include "screens/TransitionEffect.h"

std::shared_ptr<TTransitionEffect> TTransitionEffect::Create(int type, int length) {
  auto effect = std::make_shared<TTransitionEffect>();
  effect->EffectType = type;
  effect->Length = length;
  return effect;
}

std::shared_ptr<TTransitionEffect> TTransitionEffect::CreateCopy() const {
  return std::make_shared<TTransitionEffect>(*this);
}
