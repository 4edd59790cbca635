#include "support/link_confinement.h"

#include "support/path_errors.h"

#include <algorithm>
#include <deque>
#include <string>

namespace fs = std::filesystem;

namespace fsys {
namespace {

// As many links as the system follows in one path.
constexpr int kMaxLinks = 40;

std::string spelled(const fs::path& native) {
    const std::u8string utf8 = native.u8string();
    return std::string(utf8.begin(), utf8.end());
}

// The application folder with its links followed, for the base it was last
// asked for: the folder changes only when a tool is told another one.
const fs::path& placeOfFolder(const fs::path& base) {
    static fs::path cachedBase;
    static fs::path cachedPlace;
    if (cachedPlace.empty() || base != cachedBase) {
        std::error_code ec;
        fs::path place = followLinks(base, ec);
        cachedPlace = ec ? base.lexically_normal() : std::move(place);
        cachedBase = base;
    }
    return cachedPlace;
}

bool refuse(const fs::path& link, const fs::path& target, std::error_code& ec) {
    recordLinkRefusal({spelled(link), spelled(target)});
    ec = PathError::LinkLeavesApplicationFolder;
    return false;
}

} // namespace

fs::path followLinks(const fs::path& native, std::error_code& ec) {
    ec.clear();
    fs::path start = native;
    if (!start.is_absolute()) {
        start = fs::absolute(native, ec);
        if (ec)
            return {};
    }
    fs::path done = start.root_path();
    const fs::path relative = start.relative_path();
    std::deque<fs::path> todo(relative.begin(), relative.end());
    int links = 0;
    bool missing = false; // nothing exists below a missing entry
    while (!todo.empty()) {
        const fs::path part = std::move(todo.front());
        todo.pop_front();
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            done = done.parent_path(); // `done` holds no links: its parent is the real one
            continue;
        }
        fs::path next = done / part;
        if (!missing) {
            std::error_code statEc;
            const fs::file_status status = fs::symlink_status(next, statEc);
            if (status.type() == fs::file_type::not_found || statEc) {
                missing = true;
            } else if (fs::is_symlink(status)) {
                if (++links > kMaxLinks) {
                    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
                    return {};
                }
                const fs::path target = fs::read_symlink(next, ec);
                if (ec)
                    return {};
                if (target.is_absolute())
                    done = target.root_path();
                const fs::path rest = target.relative_path();
                todo.insert(todo.begin(), rest.begin(), rest.end());
                continue;
            }
        }
        done = std::move(next);
    }
    return done;
}

bool isWithin(const fs::path& place, const fs::path& folder) {
    auto f = folder.begin();
    auto p = place.begin();
    for (; f != folder.end(); ++f) {
        if (f->empty())
            continue; // a trailing separator
        if (p == place.end() || *p != *f)
            return false;
        ++p;
    }
    return true;
}

bool linksStayInside(const fs::path& base, const fs::path& native, std::error_code& ec) {
    ec.clear();
    const auto [b, n] = std::mismatch(base.begin(), base.end(), native.begin(), native.end());
    if (b != base.end())
        return true; // not built below `base`
    const fs::path& inside = placeOfFolder(base);
    fs::path here = base;
    fs::path firstLink;
    for (auto part = n; part != native.end(); ++part) {
        if (part->empty() || *part == ".")
            continue;
        here /= *part;
        if (*part == "..")
            continue;
        std::error_code statEc;
        if (!fs::is_symlink(fs::symlink_status(here, statEc)) || statEc)
            continue;
        if (firstLink.empty())
            firstLink = here;
        const fs::path leadsTo = followLinks(here, ec);
        if (ec)
            return false;
        if (!isWithin(leadsTo, inside))
            return refuse(here, leadsTo, ec);
    }
    if (firstLink.empty())
        return true;
    // Each link leads inside, yet ".." after one can still climb out.
    const fs::path place = followLinks(native, ec);
    if (ec)
        return false;
    return isWithin(place, inside) || refuse(firstLink, place, ec);
}

} // namespace fsys
