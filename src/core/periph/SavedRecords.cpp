#include "periph/SavedRecords.h"

#include "model/NumberText.h"

namespace regforge::periph {

std::string recordHeader(std::string_view name) {
    std::string header = "[";
    header += name;
    header += ']';
    return header;
}

const std::string& SavedRecord::line(std::size_t n) const {
    if (header_ + n >= file_.size())
        throw SavedDataError("record " + file_[header_] + " ends early");
    return file_[header_ + n];
}

int SavedRecord::integer(std::size_t n) const {
    const auto value = model::parseInt32(line(n));
    if (!value)
        throw SavedDataError("\"" + line(n) + "\" in record " + file_[header_] + " is not a number");
    return *value;
}

SavedLines SavedRecord::body() const {
    SavedLines out;
    for (std::size_t i = header_ + 1; i < file_.size() && (file_[i].empty() || file_[i][0] != '['); ++i)
        out.push_back(file_[i]);
    return out;
}

SavedRecords::SavedRecords(const SavedLines& file) : file_(file) {
    for (std::size_t i = 0; i < file_.size(); ++i)
        if (!file_[i].empty() && file_[i][0] == '[')
            headers_.emplace(file_[i], i);
}

std::optional<SavedRecord> SavedRecords::under(std::string_view header) const {
    const auto it = headers_.find(header);
    if (it == headers_.end())
        return std::nullopt;
    return SavedRecord(file_, it->second);
}

} // namespace regforge::periph
