#include "support/path_errors.h"

namespace fsys {
namespace {

LinkRefusal& latest() {
    static LinkRefusal refusal;
    return refusal;
}

class PathErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "path"; }

    std::string message(int code) const override {
        switch (static_cast<PathError>(code)) {
        case PathError::OutsideApplicationFolder:
            return "the path leads outside the application folder";
        case PathError::LinkLeavesApplicationFolder:
            if (latest().link.empty())
                return "a link leads outside the application folder";
            return "the link \"" + latest().link +
                   "\" leads outside the application folder, to \"" + latest().target + "\"";
        case PathError::NamedPipeIsNoFile:
            return "not a regular file: named pipe";
        case PathError::SocketIsNoFile:
            return "not a regular file: socket";
        case PathError::DeviceIsNoFile:
            return "not a regular file: device";
        case PathError::FolderIsNoFile:
            return "not a regular file: folder";
        case PathError::OtherEntryIsNoFile:
            return "not a regular file";
        }
        return "path error";
    }

    std::error_condition default_error_condition(int code) const noexcept override {
        if (static_cast<PathError>(code) == PathError::FolderIsNoFile)
            return std::errc::is_a_directory;
        return std::error_category::default_error_condition(code);
    }
};

} // namespace

const std::error_category& pathErrorCategory() {
    static const PathErrorCategory category;
    return category;
}

std::error_code make_error_code(PathError error) {
    return {static_cast<int>(error), pathErrorCategory()};
}

std::error_code noRegularFileError(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
    case file_type::regular:
    case file_type::not_found:
    case file_type::none:
        return {};
    case file_type::fifo:
        return PathError::NamedPipeIsNoFile;
    case file_type::socket:
        return PathError::SocketIsNoFile;
    case file_type::block:
    case file_type::character:
        return PathError::DeviceIsNoFile;
    case file_type::directory:
        return PathError::FolderIsNoFile;
    default:
        return PathError::OtherEntryIsNoFile;
    }
}

bool isNoRegularFile(const std::error_code& ec) {
    if (ec.category() != pathErrorCategory())
        return false;
    const auto error = static_cast<PathError>(ec.value());
    return error >= PathError::NamedPipeIsNoFile && error <= PathError::OtherEntryIsNoFile;
}

void recordLinkRefusal(LinkRefusal refusal) {
    latest() = std::move(refusal);
}

LinkRefusal lastLinkRefusal() {
    return latest();
}

} // namespace fsys
