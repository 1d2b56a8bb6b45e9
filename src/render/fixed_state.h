#pragma once
// The fixed OpenGL state all 3D drawing relies on: viewport, depth, projection, light 0
// and linear fog. Set once after the context is made; nothing later changes the projection.
void SetFixedGLState();
