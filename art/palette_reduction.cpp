#include "palette_reduction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace lumbra::art {

namespace {

struct Entry {
    QRgb colour;
    std::uint64_t count;
};

int channel(QRgb colour, int c)
{
    switch (c) {
    case 0: return qRed(colour);
    case 1: return qGreen(colour);
    case 2: return qBlue(colour);
    default: return qAlpha(colour);
    }
}

// The eye is most sensitive to green and least to blue.
constexpr std::array<int, 4> channel_weight{3, 4, 2, 3};

struct Box {
    std::vector<Entry> entries;

    std::uint64_t population() const
    {
        return std::accumulate(entries.begin(), entries.end(), std::uint64_t{0},
                               [](std::uint64_t sum, const Entry& e) { return sum + e.count; });
    }

    // The channel with the widest weighted spread, and that spread.
    std::pair<int, int> widest() const
    {
        int best = 0, best_range = -1;
        for (int c = 0; c < 4; ++c) {
            const auto [low, high] = std::minmax_element(
                entries.begin(), entries.end(),
                [c](const Entry& x, const Entry& y) { return channel(x.colour, c) < channel(y.colour, c); });
            const int range = (channel(high->colour, c) - channel(low->colour, c)) * channel_weight[c];
            if (range > best_range) {
                best = c;
                best_range = range;
            }
        }
        return {best, best_range};
    }

    QRgb mean() const
    {
        std::array<double, 4> sum{};
        const double total = double(population());
        for (const Entry& e : entries)
            for (int c = 0; c < 4; ++c)
                sum[c] += double(channel(e.colour, c)) * double(e.count);
        auto at = [&](int c) { return int(sum[c] / total + 0.5); };
        return qRgba(at(0), at(1), at(2), at(3));
    }
};

// Splits the box at the median of its population along `c`.
std::pair<Box, Box> split(Box box, int c)
{
    std::sort(box.entries.begin(), box.entries.end(),
              [c](const Entry& x, const Entry& y) { return channel(x.colour, c) < channel(y.colour, c); });
    const std::uint64_t half = box.population() / 2;
    std::uint64_t seen = 0;
    std::size_t cut = 1;
    for (; cut < box.entries.size(); ++cut) {
        seen += box.entries[cut - 1].count;
        if (seen >= half)
            break;
    }
    cut = std::clamp<std::size_t>(cut, 1, box.entries.size() - 1);
    Box low{{box.entries.begin(), box.entries.begin() + std::ptrdiff_t(cut)}};
    Box high{{box.entries.begin() + std::ptrdiff_t(cut), box.entries.end()}};
    return {low, high};
}

int distance(QRgb x, QRgb y)
{
    int sum = 0;
    for (int c = 0; c < 4; ++c) {
        const int d = channel(x, c) - channel(y, c);
        sum += channel_weight[c] * d * d;
    }
    return sum;
}

}  // namespace

QList<QRgb> shared_palette(const std::vector<QImage>& images, int max_colours)
{
    std::unordered_map<QRgb, std::uint64_t> histogram;
    for (const QImage& image : images) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                ++histogram[line[x]];
        }
    }
    // Each colour counts by the square root of its pixels, so the large
    // flat areas of tiles and panels do not take the entries that the small
    // highlights and the rims of the balls need.
    std::vector<Box> boxes(1);
    for (const auto& [colour, count] : histogram)
        boxes[0].entries.push_back({colour, std::uint64_t(std::ceil(std::sqrt(double(count))))});
    if (boxes[0].entries.empty())
        return {};

    // Split the box whose spread, weighted by how many pixels it covers, is
    // largest, until the palette is full or every box holds one colour.
    auto priority = [](const Box& box) {
        return box.entries.size() < 2 ? 0.0 : double(box.widest().second) * std::sqrt(double(box.population()));
    };
    std::vector<double> priorities{priority(boxes[0])};
    while (int(boxes.size()) < max_colours) {
        const auto chosen = std::size_t(std::max_element(priorities.begin(), priorities.end()) - priorities.begin());
        if (priorities[chosen] <= 0)
            break;
        const int along = boxes[chosen].widest().first;
        auto [low, high] = split(std::move(boxes[chosen]), along);
        priorities[chosen] = priority(low);
        priorities.push_back(priority(high));
        boxes[chosen] = std::move(low);
        boxes.push_back(std::move(high));
    }
    QList<QRgb> palette;
    for (const Box& box : boxes)
        palette.append(box.mean());
    return palette;
}

QImage reduce_to_palette(const QImage& image, const QList<QRgb>& palette)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    QImage out(argb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::unordered_map<QRgb, uchar> nearest_cache;
    auto nearest = [&](QRgb colour) {
        auto found = nearest_cache.find(colour);
        if (found == nearest_cache.end()) {
            int best = 0, best_distance = std::numeric_limits<int>::max();
            for (int i = 0; i < int(palette.size()); ++i) {
                const int d = distance(colour, palette[i]);
                if (d < best_distance) {
                    best = i;
                    best_distance = d;
                }
            }
            found = nearest_cache.emplace(colour, uchar(best)).first;
        }
        return found->second;
    };

    // Floyd-Steinberg error diffusion, at a little less than full strength
    // and snaking from row to row: gradients and highlights stay smooth
    // instead of breaking into bands, without a visible grain.
    constexpr float strength = 0.8f;
    std::vector<std::array<float, 3>> error_here(std::size_t(width + 2)), error_below(std::size_t(width + 2));
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* line = out.scanLine(y);
        const bool forward = y % 2 == 0;
        const int step = forward ? 1 : -1;
        for (int i = 0; i < width; ++i) {
            const int x = forward ? i : width - 1 - i;
            const std::size_t at = std::size_t(x + 1);
            const QRgb source = in[x];
            const std::array<float, 3> wanted{qRed(source) + error_here[at][0], qGreen(source) + error_here[at][1],
                                              qBlue(source) + error_here[at][2]};
            auto clamp_channel = [](float v) { return int(std::lround(std::clamp(v, 0.0f, 255.0f))); };
            const uchar index = nearest(qRgba(clamp_channel(wanted[0]), clamp_channel(wanted[1]),
                                              clamp_channel(wanted[2]), qAlpha(source)));
            line[x] = index;
            const QRgb chosen = palette[index];
            const std::array<float, 3> got{float(qRed(chosen)), float(qGreen(chosen)), float(qBlue(chosen))};
            for (int c = 0; c < 3; ++c) {
                const float e = (wanted[c] - got[c]) * strength;
                error_here[std::size_t(int(at) + step)][c] += e * 7 / 16;
                error_below[std::size_t(int(at) - step)][c] += e * 3 / 16;
                error_below[at][c] += e * 5 / 16;
                error_below[std::size_t(int(at) + step)][c] += e * 1 / 16;
            }
        }
        error_here.swap(error_below);
        std::fill(error_below.begin(), error_below.end(), std::array<float, 3>{});
    }
    return out;
}

}  // namespace lumbra::art
