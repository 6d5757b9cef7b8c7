// The rows of the filled ellipse region: which columns of each row of a
// W x H box the platform's ellipse covers. Inside the raster library only.
#pragma once

#include <cstdint>
#include <vector>

namespace sp {

// Insets of rows first..last of the filled ellipse region of a W x H box.
class EllipseRows {
public:
    EllipseRows() = default;
    EllipseRows(std::int64_t W, std::int64_t H, std::int64_t first, std::int64_t last);
    // Inset of box row i, one of the rows asked for: the row covers columns
    // inset .. W - inset - 1 (none when the inset passes half the width).
    std::int64_t Inset(std::int64_t i) const;
    std::int64_t Width() const { return w_; }
    std::int64_t Height() const { return h_; }

private:
    struct Walker;
    bool StartNear(std::int64_t& x, std::int64_t& j) const;
    void Walk(std::int64_t x, std::int64_t j, std::int64_t hi);
    void Keep(std::int64_t row, std::int64_t x);

    std::int64_t w_ = 0, h_ = 0, lo_ = 0;
    std::vector<std::int64_t> lower_;  // rows lo_.. of the lower half
};

}  // namespace sp
