// SPDX-License-Identifier: MIT
#include "core/tiles/TileMerge.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// The method: weighted clustering whose centres are tiles of the picture.
//
// 1. Seeding by farthest points: the most used tile is kept first; then, as
//    long as room is left, the tile that would add the most error (its number
//    of cells times its squared distance to the nearest kept tile) is kept
//    next. Groups of tiles that differ a lot from each other are thus each
//    given a kept tile before any group is given a second one.
// 2. Refining: each kept tile's group (the tiles nearest to it) takes as its
//    new kept tile the member nearest to the group's weighted mean, the tile
//    that stands for the group best; tiles then go to their nearest kept
//    tile again. A round is taken only while it lowers the total error, and
//    the rounds are bounded.
//
// Kept tiles are always tiles of the picture, never blends of several, so
// the merged picture uses only the picture's own colours, as palette-bound
// art needs. Each step costs one distance from every tile to every kept tile
// at most: time grows in proportion to the number of distinct tiles (times
// the limit), and distances stop early once they exceed the best found.
namespace TileMerge {

namespace {

constexpr int Channels = 3;
constexpr int TileChannels = PictureTiles::TilePixels * Channels;
constexpr int RowChannels = Tiles::TileSize * Channels;
constexpr int RefiningRounds = 8;

using Distance = std::int64_t;

// The tiles as red, green and blue bytes, tile after tile.
std::vector<std::uint8_t> channelsOf(const PictureTiles::Cut &cut)
{
    std::vector<std::uint8_t> channels(std::size_t(cut.distinctCount()) * TileChannels);
    std::uint8_t *to = channels.data();
    for (std::uint32_t pixel : cut.distinct) {
        *to++ = static_cast<std::uint8_t>(pixel >> 16);
        *to++ = static_cast<std::uint8_t>(pixel >> 8);
        *to++ = static_cast<std::uint8_t>(pixel);
    }
    return channels;
}

// The squared distance between two tiles, or some value of at least bound
// once the rows summed so far reach it.
int distance(const std::uint8_t *a, const std::uint8_t *b, int bound)
{
    int sum = 0;
    for (int row = 0; row < Tiles::TileSize; ++row) {
        for (int k = 0; k < RowChannels; ++k) {
            const int d = int(a[k]) - int(b[k]);
            sum += d * d;
        }
        if (sum >= bound)
            return sum;
        a += RowChannels;
        b += RowChannels;
    }
    return sum;
}

class Clustering
{
public:
    explicit Clustering(const PictureTiles::Cut &cut)
        : m_uses(cut.uses), m_channels(channelsOf(cut)), m_count(cut.distinctCount()),
          m_nearest(std::size_t(m_count), 0), m_distance(std::size_t(m_count), 0)
    {
    }

    void seed(int limit)
    {
        const int first = int(std::max_element(m_uses.begin(), m_uses.end()) - m_uses.begin());
        m_kept.push_back(first);
        for (int tile = 0; tile < m_count; ++tile)
            m_distance[tile] = distance(tileAt(tile), tileAt(first), MaxBound);
        while (int(m_kept.size()) < limit) {
            int worst = -1;
            Distance worstError = 0;
            for (int tile = 0; tile < m_count; ++tile) {
                const Distance error = Distance(m_uses[tile]) * m_distance[tile];
                if (error > worstError) {
                    worstError = error;
                    worst = tile;
                }
            }
            if (worst < 0)
                break;
            const int place = int(m_kept.size());
            m_kept.push_back(worst);
            for (int tile = 0; tile < m_count; ++tile) {
                const int d = distance(tileAt(tile), tileAt(worst), m_distance[tile]);
                if (d < m_distance[tile]) {
                    m_distance[tile] = d;
                    m_nearest[tile] = place;
                }
            }
        }
    }

    void refine()
    {
        Distance error = totalError();
        for (int round = 0; round < RefiningRounds; ++round) {
            const std::vector<int> before = m_kept;
            const std::vector<int> nearestBefore = m_nearest;
            const std::vector<int> distanceBefore = m_distance;
            if (!recentre())
                return;
            assign();
            const Distance after = totalError();
            if (after >= error) {
                m_kept = before;
                m_nearest = nearestBefore;
                m_distance = distanceBefore;
                return;
            }
            error = after;
        }
    }

    Result result() const
    {
        // Kept tiles in the order of first appearance, which is the order
        // of the distinct tiles.
        std::vector<int> order(m_kept.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::sort(order.begin(), order.end(), [this](int a, int b) { return m_kept[a] < m_kept[b]; });
        std::vector<int> placeOf(m_kept.size());
        Result result;
        for (std::size_t i = 0; i < order.size(); ++i) {
            placeOf[order[i]] = int(i);
            result.kept.push_back(m_kept[order[i]]);
        }
        result.keptFor.reserve(std::size_t(m_count));
        for (int tile = 0; tile < m_count; ++tile)
            result.keptFor.push_back(placeOf[m_nearest[tile]]);
        double cells = 0;
        for (int uses : m_uses)
            cells += uses;
        result.psnr = psnr(double(totalError()), cells * PictureTiles::TilePixels * Channels);
        return result;
    }

private:
    static constexpr int MaxBound = std::numeric_limits<int>::max();

    const std::uint8_t *tileAt(int tile) const
    {
        return m_channels.data() + std::size_t(tile) * TileChannels;
    }

    Distance totalError() const
    {
        Distance error = 0;
        for (int tile = 0; tile < m_count; ++tile)
            error += Distance(m_uses[tile]) * m_distance[tile];
        return error;
    }

    // Gives each group the member nearest to its weighted mean. Returns
    // whether any kept tile changed.
    bool recentre()
    {
        const std::size_t groups = m_kept.size();
        std::vector<double> sums(groups * TileChannels, 0.0);
        std::vector<double> weights(groups, 0.0);
        for (int tile = 0; tile < m_count; ++tile) {
            const int group = m_nearest[tile];
            const double weight = m_uses[tile];
            weights[group] += weight;
            double *sum = sums.data() + std::size_t(group) * TileChannels;
            const std::uint8_t *channels = tileAt(tile);
            for (int k = 0; k < TileChannels; ++k)
                sum[k] += weight * channels[k];
        }
        for (std::size_t group = 0; group < groups; ++group)
            for (int k = 0; k < TileChannels; ++k)
                sums[group * TileChannels + k] /= weights[group];

        std::vector<double> best(groups, std::numeric_limits<double>::infinity());
        std::vector<int> centre = m_kept;
        for (int tile = 0; tile < m_count; ++tile) {
            const int group = m_nearest[tile];
            const double *mean = sums.data() + std::size_t(group) * TileChannels;
            const std::uint8_t *channels = tileAt(tile);
            double d = 0;
            for (int k = 0; k < TileChannels; ++k) {
                const double diff = channels[k] - mean[k];
                d += diff * diff;
            }
            if (d < best[group]) {
                best[group] = d;
                centre[group] = tile;
            }
        }
        const bool changed = centre != m_kept;
        m_kept = std::move(centre);
        return changed;
    }

    void assign()
    {
        for (int tile = 0; tile < m_count; ++tile) {
            int bestDistance = MaxBound;
            int bestPlace = 0;
            for (std::size_t place = 0; place < m_kept.size(); ++place) {
                const int d = distance(tileAt(tile), tileAt(m_kept[place]), bestDistance);
                if (d < bestDistance) {
                    bestDistance = d;
                    bestPlace = int(place);
                }
            }
            m_nearest[tile] = bestPlace;
            m_distance[tile] = bestDistance;
        }
    }

    const std::vector<int> &m_uses;
    std::vector<std::uint8_t> m_channels;
    int m_count;
    std::vector<int> m_kept;
    // For each tile, its place in m_kept and its squared distance to it.
    std::vector<int> m_nearest;
    std::vector<int> m_distance;
};

} // namespace

Result merge(const PictureTiles::Cut &cut, int limit)
{
    Result result;
    if (cut.distinctCount() <= limit) {
        for (int tile = 0; tile < cut.distinctCount(); ++tile) {
            result.kept.push_back(tile);
            result.keptFor.push_back(tile);
        }
        result.psnr = std::numeric_limits<double>::infinity();
        return result;
    }
    Clustering clustering(cut);
    clustering.seed(limit);
    clustering.refine();
    return clustering.result();
}

double psnr(double squaredError, double count)
{
    if (squaredError <= 0)
        return std::numeric_limits<double>::infinity();
    constexpr double Peak = 255.0;
    return 10.0 * std::log10(Peak * Peak * count / squaredError);
}

} // namespace TileMerge
