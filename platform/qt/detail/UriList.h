#pragma once

#include <string>
#include <string_view>
#include <vector>

// The local files that a text/uri-list names (RFC 2483: one URI a line, lines starting with #
// are comments), as byte paths in the list's order. A file URI (RFC 8089) counts when its host
// is empty, "localhost" or the given name of this machine; its path is percent-decoded byte by
// byte, in no character set, so that a name that is not UTF-8 arrives unchanged. Other schemes
// and hosts, paths that are not absolute and paths that would hold a zero byte are left out.
std::vector<std::string> LocalPathsOfUriList(std::string_view uriList,
                                             std::string_view localHostName);
