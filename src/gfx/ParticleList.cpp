#include "gfx/ParticleList.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "core/GameClock.h"
#include "core/Globals.h"

TParticleList::~TParticleList() {
  for (auto& p : items_)
    if (p) p->Particles = nullptr;
  for (auto& p : pendingFront_)
    if (p) p->Particles = nullptr;
}

template <class F>
void TParticleList::Walk(F&& f) {
  Walk(std::forward<F>(f), [] {});
}

template <class F, class G>
void TParticleList::Walk(F&& f, G&& after) {
  struct Depth {
    TParticleList& list;
    explicit Depth(TParticleList& l) : list(l) { ++list.walking_; }
    ~Depth() {
      if (--list.walking_ == 0) list.Sweep();
    }
  } depth(*this);
  // By index and by raw pointer: particles added at the back during the walk are
  // visited too, and a particle that dies stays alive in the graveyard until the end.
  for (std::size_t i = 0; i < items_.size(); ++i) {
    TParticle* p = items_[i].get();
    if (p) f(*p);
  }
  after();
}

void TParticleList::Sweep() {
  if (!pendingFront_.empty()) {
    std::vector<std::shared_ptr<TParticle>> merged;
    merged.reserve(pendingFront_.size() + items_.size());
    for (auto it = pendingFront_.rbegin(); it != pendingFront_.rend(); ++it)
      if (*it) merged.push_back(std::move(*it));
    for (auto& p : items_)
      if (p) merged.push_back(std::move(p));
    items_ = std::move(merged);
    pendingFront_.clear();
    holes_ = true;  // forces re-indexing below
  }
  if (holes_) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (!items_[i]) continue;
      if (kept != i) items_[kept] = std::move(items_[i]);
      items_[kept]->listIndex_ = kept;
      ++kept;
    }
    items_.resize(kept);
    holes_ = false;
  }
  graveyard_.clear();
}

void TParticleList::Add(std::shared_ptr<TParticle> particle, int atFront) {
  if (!particle) return;
  particle->Particles = this;
  if (atFront == 1) {
    if (walking_ > 0) {
      pendingFront_.push_back(std::move(particle));
    } else {
      items_.insert(items_.begin(), std::move(particle));
      for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]) items_[i]->listIndex_ = i;
    }
  } else {
    particle->listIndex_ = items_.size();
    items_.push_back(std::move(particle));
  }
}

std::shared_ptr<TParticle> TParticleList::AddNew(int x, int y, std::shared_ptr<TGameImage> image, float dx, float dy,
                                                 float ygravity, float fadeMS, int lightBlend, int rotate,
                                                 float rotationSpeed, float scale, float scaleSpeed, float lifeMS,
                                                 int atFront) {
  auto p = TParticle::CreateSpecial(std::move(image), static_cast<float>(x), static_cast<float>(y), dx, dy, ygravity,
                                    fadeMS, lightBlend, rotate, rotationSpeed, scale, scaleSpeed, lifeMS);
  Add(p, atFront);
  return p;
}

void TParticleList::Remove(TParticle* particle) {
  if (!particle) return;
  auto take = [&](std::shared_ptr<TParticle>& slot) {
    graveyard_.push_back(std::move(slot));
    slot.reset();
  };
  std::size_t i = particle->listIndex_;
  if (i >= items_.size() || items_[i].get() != particle) {
    i = items_.size();
    for (std::size_t j = 0; j < items_.size(); ++j)
      if (items_[j].get() == particle) {
        i = j;
        break;
      }
  }
  if (i < items_.size()) {
    take(items_[i]);
    holes_ = true;
  } else {
    for (auto& p : pendingFront_)
      if (p.get() == particle) {
        take(p);
        break;
      }
  }
  particle->Particles = nullptr;
  if (walking_ == 0) {
    // Not in a walk: close the gap now but keep the particle alive until the next
    // walk ends, since it is usually still running its own Kill.
    std::vector<std::shared_ptr<TParticle>> dying = std::move(graveyard_);
    graveyard_.clear();
    Sweep();
    graveyard_ = std::move(dying);
  }
}

void TParticleList::Draw() {
  // Light adds up the same in any order, so a row of particles that only add light is
  // drawn grouped by texture page: effect pictures from two pages mixed at random would
  // otherwise cost a draw call each. Everything else keeps its place.
  lightRun_.clear();
  Walk(
      [this](TParticle& p) {
        if (p.DrawsOnlyLight()) {
          lightRun_.push_back({p.DrawPage(), lightRun_.size(), &p});
          return;
        }
        DrawLightRun();
        p.Draw();
      },
      [this] { DrawLightRun(); });
}

void TParticleList::DrawLightRun() {
  if (lightRun_.empty()) return;
  std::sort(lightRun_.begin(), lightRun_.end(), [](const LightItem& a, const LightItem& b) {
    return a.page != b.page ? std::less<const TTexturePage*>()(a.page, b.page) : a.order < b.order;
  });
  for (const LightItem& item : lightRun_) item.particle->Draw();
  lightRun_.clear();
}

void TParticleList::Move() {
  Walk([](TParticle& p) { p.Move(); });
}

void TParticleList::Animate() {
  Walk([](TParticle& p) {
    if (p.DelayCounter <= 0.0f) p.ManageAnim();
  });
}

void TParticleList::Manage() {
  Walk([](TParticle& p) {
    p.Move();
    if (p.IsDead() || p.DelayCounter > 0.0f) return;
    if (p.ManageAnim() == 1 && p.KillAfterAnim == 1) p.Kill();
  });
}

void TParticleList::FadeAll(float ms) {
  const float len = Clock().CalcAnimLengthFromFloat(ms);
  Walk([len](TParticle& p) {
    p.FadeLength = len;
    p.FadeCounter = len;
    p.UseAlpha = 1;
  });
}

void TParticleList::SetUseAlpha(int on) {
  Walk([on](TParticle& p) { p.UseAlpha = on; });
}

void TParticleList::SetBaseScale(float sx, float sy) {
  Walk([sx, sy](TParticle& p) {
    p.BaseScaleX = sx;
    p.BaseScaleY = sy;
  });
}

void TParticleList::EnableUpdateOriginalCoords() {
  Walk([](TParticle& p) {
    if (p.UpdateOriginalCoords) return;
    p.StoreOriginalCoords();
    p.UpdateOriginalCoords = 1;
  });
}

void TParticleList::ScaleCoords() {
  Walk([](TParticle& p) { p.ScaleOriginalCoords(); });
}

void TParticleList::AddOffsets(float dx, float dy) {
  Walk([dx, dy](TParticle& p) {
    p.x += dx;
    p.y += dy;
  });
}

void TParticleList::ProcessScale(float sx, float sy, float offsetX, float offsetY) {
  Walk([=](TParticle& p) {
    p.BaseScaleX = sx;
    p.BaseScaleY = sy;
    p.x = sx * p.ox + offsetX;
    p.y = sy * p.oy + offsetY;
  });
}

void TParticleList::Clear() {
  for (auto& p : items_)
    if (p) p->Particles = nullptr;
  for (auto& p : pendingFront_)
    if (p) p->Particles = nullptr;
  if (walking_ > 0) {
    // Emptied from inside a walk: park the particles until the walk is over.
    for (auto& p : items_)
      if (p) graveyard_.push_back(std::move(p));
    for (auto& p : pendingFront_)
      if (p) graveyard_.push_back(std::move(p));
    pendingFront_.clear();
    holes_ = true;
    return;
  }
  items_.clear();
  pendingFront_.clear();
  graveyard_.clear();
  holes_ = false;
}

std::size_t TParticleList::Count() const {
  std::size_t n = 0;
  for (const auto& p : items_)
    if (p) ++n;
  for (const auto& p : pendingFront_)
    if (p) ++n;
  return n;
}

std::vector<std::shared_ptr<TParticle>> TParticleList::Snapshot() const {
  std::vector<std::shared_ptr<TParticle>> out;
  for (auto it = pendingFront_.rbegin(); it != pendingFront_.rend(); ++it)
    if (*it) out.push_back(*it);
  for (const auto& p : items_)
    if (p) out.push_back(p);
  return out;
}
