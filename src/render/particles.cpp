#include <GL/gl.h>

#include "race/race_state.h"
#include "render/particle_rules.h"
#include "render/render_state.h"
#include "render/scene.h"

// Two crossed quads around (px, py, pz) with half size s: one facing z, one facing x.
static void CrossedQuads(float px, float py, float pz, float s) {
  glTexCoord2f(1, 1); glVertex3f(px - s, py + s, pz);
  glTexCoord2f(0, 1); glVertex3f(px + s, py + s, pz);
  glTexCoord2f(0, 0); glVertex3f(px + s, py - s, pz);
  glTexCoord2f(1, 0); glVertex3f(px - s, py - s, pz);
  glTexCoord2f(1, 1); glVertex3f(px, py - s, pz + s);
  glTexCoord2f(0, 1); glVertex3f(px, py + s, pz + s);
  glTexCoord2f(0, 0); glVertex3f(px, py + s, pz - s);
  glTexCoord2f(1, 0); glVertex3f(px, py - s, pz - s);
}

// Particles are drawn additively over the scene without testing depth.
static void BeginParticles(float ox, float oy, uint32_t texture) {
  glLoadIdentity();
  glRotatef(25.0f, 1, 0, 0);
  glTranslatef(ox, oy - 15.0f, -35.0f);
  glRotatef((float)BoatHeading, 0, 1, 0);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glBegin(GL_QUADS);
}

static void EndParticles() {
  glEnd();
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
  glLoadIdentity();
}

void DrawSpray(int emitter, float ox, float oy, float oz, float rise) {
  TSprayRange range = SprayRange(emitter, ParticleCount);
  TDrift drift = ParticleDrift(BoatHeading, BoatSpeed);
  float spawnY = SpraySpawnHeight(WavePhase, Throttle);
  BeginParticles(ox, oy, SmokeTexture);
  for (int k = range.First; k < range.First + range.Count; ++k) {
    TParticle& p = SprayParticles[k];
    StepSprayParticle(p, drift, spawnY, rise);
    glColor4f(1, 1, 1, p.Life / 2000.0f);
    CrossedQuads(p.X, p.Y, p.Z, 0.7f);
  }
  EndParticles();
}

void DrawSnow() {
  TDrift drift = ParticleDrift(BoatHeading, BoatSpeed);
  BeginParticles(0.0f, 0.0f, SnowflakeTexture);
  for (int k = 0; k < FlakeCount; ++k) {
    TParticle& p = SnowParticles[k];
    StepFlake(p, drift);
    glColor4f(1, 1, 1, FlakeAlpha(p));
    CrossedQuads(p.X, p.Y - 10.0f, p.Z, 0.5f);
  }
  EndParticles();
}
