// Depth of field for close views: what has been painted so far is the background, thrown out of focus and
// veiled in haze, so the thing painted next stands sharp in front of its surroundings.
#pragma once

#include <QImage>
#include <QRgb>

#include <functional>

class QPainter;

namespace brackenhollow::art {

// A copy of the picture blurred by radius pixels (three box passes each way, close to a gaussian) and mixed
// towards haze by amount (0 to 1). Transparent pixels stay transparent. An image that is null or a radius
// below 1 gives the copy unblurred.
QImage OutOfFocus(const QImage& picture, int radius, QRgb haze, double amount);

// Replaces what the painter's image holds so far by its out-of-focus copy. Does nothing on a device that is
// not an image.
void SoftenPainted(QPainter& painter, int radius, QRgb haze, double amount);

// Lets paint draw on a clear layer under the painter's transform, throws that layer out of focus by radius
// pixels and lays it over what the painter holds: a thing near the eye, soft in front of a sharp one. On a
// device that is not an image, or a radius below 1, paint draws directly.
void PaintOutOfFocus(QPainter& painter, int radius, const std::function<void(QPainter&)>& paint);

}  // namespace brackenhollow::art
