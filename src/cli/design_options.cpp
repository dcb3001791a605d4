// The options that the design and table commands share.
#include "cli/design_options.h"

#include <cmath>
#include <sstream>

#include "base/numbers.h"

namespace tavrel::cli {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

bool isWholeNumber(double value) {
    return std::floor(value) == value && std::abs(value) < 1e6;
}

bool readThickness(const std::string& text, DesignRequest& request, std::ostream& err) {
    const auto values = numberList(text, ':', 2);
    if (!values || !isWholeNumber((*values)[0]) || !isWholeNumber((*values)[1])) {
        err << "--thickness expects MIN:MAX in whole cm, e.g. 20:150\n";
        return false;
    }
    request.minEndThicknessCm = static_cast<int>((*values)[0]);
    request.maxEndThicknessCm = static_cast<int>((*values)[1]);
    return true;
}

bool readObjective(const std::string& text, DesignRequest& request, std::ostream& err) {
    if (text == "thinnest" || text == "cheapest") {
        request.objective = text == "thinnest" ? DesignObjective::Thinnest : DesignObjective::Cheapest;
        return true;
    }
    err << "--objective expects thinnest or cheapest\n";
    return false;
}

bool readPrices(const std::string& text, DesignRequest& request, std::ostream& err) {
    const auto values = numberList(text, ',', 2);
    if (!values) {
        err << "--prices expects CONCRETE,STEEL in yuan per m³ and per kg, e.g. 600,5\n";
        return false;
    }
    request.prices = {(*values)[0], (*values)[1]};
    return true;
}

}  // namespace

std::optional<std::vector<double>> numberList(const std::string& text, char separator, std::size_t count) {
    const std::vector<std::string> parts = split(text, separator);
    if (parts.size() != count) {
        return std::nullopt;
    }
    std::vector<double> values;
    for (const std::string& part : parts) {
        const auto value = parseStrict(part);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

bool readSearchOption(const std::vector<std::string>& args, std::size_t& i, DesignRequest& request,
                      bool& failed, std::ostream& err) {
    const std::string& option = args[i];
    if (option != "--thickness" && option != "--diameters" && option != "--objective" &&
        option != "--prices") {
        return false;
    }
    if (i + 1 >= args.size()) {
        err << option << " needs a value\n";
        failed = true;
        return true;
    }
    const std::string& value = args[++i];
    if (option == "--thickness") {
        failed = !readThickness(value, request, err);
    } else if (option == "--diameters") {
        request.diameters = split(value, ',');
    } else if (option == "--objective") {
        failed = !readObjective(value, request, err);
    } else {
        failed = !readPrices(value, request, err);
    }
    return true;
}

}  // namespace tavrel::cli
