#pragma once
#include <cstdint>

namespace dzwonex {

// One subscriber on the map: the pixel of the map picture it stands on.
// A point never moves; the company's lists and its cases share it, so a
// point that has left its list stays readable while a case names it.
class MapPoint {
public:
    MapPoint(int32_t x, int32_t y) : x_(x), y_(y) {}
    MapPoint(const MapPoint&) = delete;
    MapPoint& operator=(const MapPoint&) = delete;

    int32_t X() const { return x_; }
    int32_t Y() const { return y_; }

private:
    int32_t x_;
    int32_t y_;
};

}  // namespace dzwonex
