#pragma once
#include <memory>
#include <vector>

#include "Company.h"

namespace dzwonex::testing {

// Keeps an eye on every point a company holds, in its lists and named by
// its cases, without keeping any of them alive: the shutdown tests count
// how many are still alive after the company let go.
class PointWatch {
public:
    void Watch(const Company& company) {
        for (int k = 1; k <= kKindCount; ++k)
            for (const auto& p : company.Subscribers(k)) points_.push_back(p);
        for (const Case& c : company.Cases())
            if (c.subject) points_.push_back(c.subject);
    }
    long Watched() const { return static_cast<long>(points_.size()); }
    long Alive() const {
        long alive = 0;
        for (const auto& p : points_) alive += p.expired() ? 0 : 1;
        return alive;
    }

private:
    std::vector<std::weak_ptr<const MapPoint>> points_;
};

}  // namespace dzwonex::testing
