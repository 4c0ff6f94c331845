/* A headless host for programs that use the library through its C interface: a virtual screen
 * with one form, control sites on it, pointer and clock. Sites are handed to IVornControl::SetSite. */
#ifndef VORN_HEADLESS_API_H
#define VORN_HEADLESS_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct VornHeadless VornHeadless;

VornHeadless* vornHeadlessCreate(int32_t formWidth, int32_t formHeight);
void vornHeadlessDestroy(VornHeadless* host);
/* A control site on the form at (x, y), w x h pixels; destroyed with the host. */
void* vornHeadlessCreateSite(VornHeadless* host, const char* name, int32_t x, int32_t y, int32_t w, int32_t h);
/* Advances the virtual clock, firing due timers. */
void vornHeadlessAdvance(VornHeadless* host, uint32_t ms);
/* Pointer to (x, y) of the form's client area; buttons pressed and released (1 left, 2 right). */
void vornHeadlessMove(VornHeadless* host, int32_t x, int32_t y);
void vornHeadlessPress(VornHeadless* host, int16_t button);
void vornHeadlessRelease(VornHeadless* host, int16_t button);
/* A pixel of a site's surface as &HBBGGRR. */
uint32_t vornHeadlessPixel(void* site, int32_t x, int32_t y);

#ifdef __cplusplus
}
#endif

#endif
