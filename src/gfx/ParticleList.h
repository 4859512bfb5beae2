// A list of particles that a screen feeds, updates and draws every frame. It owns
// its particles; a particle that dies leaves it, also in the middle of a walk over
// the list, without disturbing the walk.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include "gfx/Particle.h"

class TParticleList {
 public:
  TParticleList() = default;
  ~TParticleList();
  TParticleList(const TParticleList&) = delete;
  TParticleList& operator=(const TParticleList&) = delete;

  // A new particle (see TParticle::CreateSpecial); at the front it is drawn beneath the rest.
  std::shared_ptr<TParticle> AddNew(int x, int y, std::shared_ptr<TGameImage> image, float dx, float dy,
                                    float ygravity, float fadeMS, int lightBlend, int rotate, float rotationSpeed,
                                    float scale, float scaleSpeed, float lifeMS, int atFront = 0);
  // Takes in a particle made elsewhere.
  void Add(std::shared_ptr<TParticle> particle, int atFront = 0);
  void Draw();
  void Move();
  void Animate();
  // Moves every particle, animates those not delayed, and kills those whose
  // animation pass ended when they ask for it.
  void Manage();
  void FadeAll(float ms);
  void SetUseAlpha(int on);
  void SetBaseScale(float sx, float sy);
  void EnableUpdateOriginalCoords();
  void ScaleCoords();
  void AddOffsets(float dx, float dy);
  void ProcessScale(float sx, float sy, float offsetX, float offsetY);
  // Drops every particle without killing it.
  void Clear();
  std::size_t Count() const;
  // The living particles in drawing order.
  std::vector<std::shared_ptr<TParticle>> Snapshot() const;

  // Called by a dying particle.
  void Remove(TParticle* particle);

 private:
  template <class F>
  void Walk(F&& f);
  // Walk, then `after` while the walk still holds the particles.
  template <class F, class G>
  void Walk(F&& f, G&& after);
  void Sweep();
  void DrawLightRun();

  // Particles that only add light, met in a row while drawing: waiting to be drawn
  // grouped by texture page, each with its place in the row to keep the order otherwise.
  struct LightItem {
    const TTexturePage* page;
    std::size_t order;
    TParticle* particle;
  };
  std::vector<LightItem> lightRun_;

  std::vector<std::shared_ptr<TParticle>> items_;  // null slots are dead, swept after the walk
  std::vector<std::shared_ptr<TParticle>> pendingFront_;  // front additions made during a walk, newest last
  std::vector<std::shared_ptr<TParticle>> graveyard_;  // keeps a dying particle alive until its call returns
  int walking_ = 0;
  bool holes_ = false;
};
