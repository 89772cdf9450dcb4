#include "render/shadow_backdrop.h"

namespace brocade {

ShadowBackdrop::~ShadowBackdrop() { Release(); }
bool ShadowBackdrop::Capture() { return false; }
void ShadowBackdrop::Release() {}
bool ShadowBackdrop::Empty() const { return true; }

}  // namespace brocade
