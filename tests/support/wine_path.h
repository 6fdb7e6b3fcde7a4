// Paths of the build tree as the Windows programs under Wine name them.
#pragma once

#include <string>

// A Linux path as Wine sees it: "/x/y" is "Z:\x\y". A path that does not
// start at the root only gets backslashes.
inline std::string wine_path(std::string path)
{
    for (char &c : path) {
        if (c == '/')
            c = '\\';
    }
    return !path.empty() && path[0] == '\\' ? "Z:" + path : path;
}
