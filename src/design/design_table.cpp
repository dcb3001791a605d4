// Design tables: the axes of spans and fills, and the cells designed in parallel.
#include "design/design_table.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

#include "calc/validation.h"

namespace tavrel {

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(100);
// Steps counted from (last - first)/step may fall a rounding short of a whole number (0.1 steps).
constexpr double kStepCountSlack = 1e-9;

// What is wrong with a range of `quantity` ("净跨径"), or nothing.
std::string rangeProblem(const AxisRange& range, const std::string& quantity) {
    if (!std::isfinite(range.first) || !std::isfinite(range.last) || !std::isfinite(range.step)) {
        return quantity + "范围应为数值";
    }
    if (range.first > range.last) {
        return quantity + "范围的起点大于终点";
    }
    if (!(range.step > 0)) {
        return quantity + "范围的步长应大于0";
    }
    if ((range.last - range.first) / range.step + 1 > static_cast<double>(kMostAxisValues)) {
        return quantity + "范围内的数值过多（最多" + std::to_string(kMostAxisValues) + "个）";
    }
    return {};
}

AxisValues axisValues(const AxisRange& range, const std::string& quantity) {
    if (std::string problem = rangeProblem(range, quantity); !problem.empty()) {
        return {{}, std::move(problem)};
    }
    const auto count =
        static_cast<std::size_t>(std::floor((range.last - range.first) / range.step + kStepCountSlack));
    AxisValues values;
    for (std::size_t i = 0; i <= count; ++i) {
        const auto text = valueText(range.first + static_cast<double>(i) * range.step);
        if (!text) {
            return {{}, quantity + "无法写成十个字符以内的数值"};
        }
        values.texts.push_back(*text);
    }
    return values;
}

DesignRequest cellRequest(const TableRequest& request, const DesignTable& table, std::size_t index) {
    DesignRequest cell = request.design;
    cell.record.txtJKJ = table.spans[index / table.fills.size()];
    if (table.slabType == SlabType::Buried) {
        cell.record.txtTTG = table.fills[index % table.fills.size()];
    }
    return cell;
}

DesignOutcome designCell(const TableRequest& request, const DesignTable& table, std::size_t index) {
    try {
        return findDesign(cellRequest(request, table, index));
    } catch (const std::exception& exception) {
        return {std::nullopt, exception.what(), 0};
    }
}

// Hands out cell indices to the workers; each worker writes only its own cells.
class CellQueue {
  public:
    explicit CellQueue(std::size_t total) : m_total(total) {}

    std::optional<std::size_t> take() {
        const std::size_t index = m_next.fetch_add(1);
        return index < m_total ? std::optional(index) : std::nullopt;
    }

    void finished() {
        {
            std::lock_guard lock(m_mutex);
            ++m_done;
        }
        m_changed.notify_all();
    }

    // Waits until every cell is done, reporting progress on this thread in between and at the end.
    void waitReporting(const TableProgress& progress) {
        std::unique_lock lock(m_mutex);
        while (m_done < m_total) {
            m_changed.wait_for(lock, kProgressInterval);
            if (progress && m_done < m_total) {
                const std::size_t done = m_done;
                lock.unlock();
                progress(done, m_total);
                lock.lock();
            }
        }
        lock.unlock();
        if (progress) {
            progress(m_total, m_total);
        }
    }

  private:
    const std::size_t m_total;
    std::atomic<std::size_t> m_next{0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_done = 0;
};

}  // namespace

AxisValues clearSpanValues(const AxisRange& range) {
    AxisValues values = axisValues(range, "净跨径");
    if (values.problem.empty() && !(range.first > 0)) {
        values = {{}, "净跨径应大于0"};
    }
    return values;
}

AxisValues fillHeightValues(const AxisRange& range) {
    AxisValues values = axisValues(range, "填土高");
    if (values.problem.empty() && range.first < kMinimumFillM) {
        values = {{}, "填土高应不小于0.5 m"};
    }
    return values;
}

std::optional<std::string> tableRequestProblem(const TableRequest& request) {
    if (auto problem = requestProblem(request.design)) {
        return problem;
    }
    if (request.spans.empty()) {
        return "设计表至少需要一个净跨径";
    }
    if (request.design.record.chkJSKJ) {
        return "计算跨径已锁定为输入值：设计表的每个净跨径需按规则推算计算跨径，请取消计算跨径的勾选";
    }
    if (!request.fills.empty() && request.design.record.slabType != SlabType::Buried) {
        return "只有暗涵盖板按填土高分列";
    }
    return std::nullopt;
}

DesignTable runDesignTable(const TableRequest& request, unsigned threads, const TableProgress& progress) {
    DesignTable table;
    table.slabType = request.design.record.slabType;
    table.spans = request.spans;
    if (table.slabType != SlabType::Buried) {
        table.fills = {""};
    } else {
        table.fills = request.fills.empty() ? std::vector{request.design.record.txtTTG} : request.fills;
    }
    const std::size_t total = table.spans.size() * table.fills.size();
    table.cells.resize(total);
    CellQueue queue(total);
    const auto work = [&] {
        while (const auto index = queue.take()) {
            table.cells[*index] = designCell(request, table, *index);
            queue.finished();
        }
    };
    std::vector<std::jthread> workers;
    const unsigned workerCount =
        std::clamp<unsigned>(threads, 1, static_cast<unsigned>(std::max<std::size_t>(total, 1)));
    for (unsigned i = 0; i < workerCount; ++i) {
        workers.emplace_back(work);
    }
    queue.waitReporting(progress);
    return table;
}

}  // namespace tavrel
