// MD5 digests (RFC 1321) of files and bytes as upper-case hexadecimal text.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

/// The digest of all bytes of a file as 32 digits "0"-"9", "A"-"F", read in blocks of 4 MiB
/// through one buffer per thread. A file of zero bytes gives the digest of nothing,
/// D41D8CD98F00B204E9800998ECF8427E. Raises "Cannot open file "%s". %s" for a file that cannot
/// be opened (a folder included), and the system's text when a read fails.
std::u16string MD5FileHex(std::u16string_view path);

/// The digest of the bytes, in the same text form.
std::string MD5Hex(std::string_view bytes);

}  // namespace torvane
