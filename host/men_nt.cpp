#include "host/men_nt.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {
// The ring without a closing point that repeats the first.
std::vector<PT> OpenRing(const std::vector<PT>& ring) {
    std::vector<PT> open(ring);
    if (open.size() > 1 && open.front().x == open.back().x && open.front().y == open.back().y)
        open.pop_back();
    return open;
}

double Cross(const PT& a, const PT& b, const PT& c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

double SignedArea(const std::vector<PT>& ring) {
    double twice = 0.0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const PT& p = ring[i];
        const PT& q = ring[(i + 1) % ring.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2.0;
}

double Side(const PT& a, const PT& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Heron's formula in its stable form (sides sorted a >= b >= c).
double TriangleArea(const PT& p, const PT& q, const PT& r) {
    double s[3] = {Side(p, q), Side(q, r), Side(r, p)};
    std::sort(s, s + 3, [](double x, double y) { return x > y; });
    const double a = s[0], b = s[1], c = s[2];
    const double product = (a + (b + c)) * (c - (a - b)) * (c + (a - b)) * (a + (b - c));
    return product > 0.0 ? 0.25 * std::sqrt(product) : 0.0;
}

bool SamePoint(const PT& a, const PT& b) {
    return a.x == b.x && a.y == b.y;
}

// Whether p lies inside triangle abc or on its sides; the orientation of the
// triangle is given by sign (+1 counter-clockwise).
bool InTriangle(const PT& p, const PT& a, const PT& b, const PT& c, double sign) {
    return sign * Cross(a, b, p) >= 0.0 && sign * Cross(b, c, p) >= 0.0 &&
           sign * Cross(c, a, p) >= 0.0;
}

bool IsEar(const std::vector<PT>& ring, const std::vector<std::size_t>& left, std::size_t k,
           double sign) {
    const std::size_t n = left.size();
    const PT& a = ring[left[(k + n - 1) % n]];
    const PT& b = ring[left[k]];
    const PT& c = ring[left[(k + 1) % n]];
    if (sign * Cross(a, b, c) <= 0.0)
        return false;
    for (std::size_t j = 0; j < n; ++j) {
        const PT& p = ring[left[j]];
        if (j == k || j == (k + 1) % n || j == (k + n - 1) % n || SamePoint(p, a) ||
            SamePoint(p, b) || SamePoint(p, c))
            continue;
        if (InTriangle(p, a, b, c, sign))
            return false;
    }
    return true;
}

// Ear clipping; a vertex in line with its neighbours is cut off first, as its
// triangle has no area.
bool Triangulated(const std::vector<PT>& ring, double& sum) {
    const double sign = SignedArea(ring) < 0.0 ? -1.0 : 1.0;
    std::vector<std::size_t> left(ring.size());
    for (std::size_t i = 0; i < left.size(); ++i)
        left[i] = i;
    sum = 0.0;
    // The search goes on from the last cut, where the next ear usually is.
    std::size_t from = 0;
    while (left.size() > 3) {
        const std::size_t n = left.size();
        std::size_t cut = n;
        for (std::size_t k = 0; k < n && cut == n; ++k)
            if (Cross(ring[left[(k + n - 1) % n]], ring[left[k]], ring[left[(k + 1) % n]]) == 0.0)
                cut = k;
        for (std::size_t step = 0; step < n && cut == n; ++step)
            if (IsEar(ring, left, (from + step) % n, sign))
                cut = (from + step) % n;
        if (cut == n)
            return false;
        sum +=
            TriangleArea(ring[left[(cut + n - 1) % n]], ring[left[cut]], ring[left[(cut + 1) % n]]);
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(cut));
        from = cut > 0 ? cut - 1 : 0;
    }
    sum += TriangleArea(ring[left[0]], ring[left[1]], ring[left[2]]);
    return true;
}
} // namespace

TMen_Nt::TMen_Nt(const SvyKkData& kk, WORD mode) : m_ring(kk.Boundary()), m_mode(mode) {}

int TMen_Nt::ZM_Men_Nt(double* area) {
    const std::vector<PT> ring = OpenRing(m_ring);
    if (m_mode != 0 || ring.size() < 3 || !area)
        return 0;
    const double result = std::fabs(SignedArea(ring));
    if (!std::isfinite(result))
        return 0;
    *area = result;
    return 1;
}

int TMen_Nt::S3T_Men_Nt(double* area) {
    const std::vector<PT> ring = OpenRing(m_ring);
    if (m_mode != 0 || ring.size() < 3 || !area)
        return 0;
    double sum = 0.0;
    if (!Triangulated(ring, sum) || !std::isfinite(sum))
        return 0;
    *area = sum;
    return 1;
}
