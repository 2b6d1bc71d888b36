#include "app/dateien.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace quarvel {

namespace {

std::string grund(int fehlernummer) {
  switch (fehlernummer) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return "Der Speicherplatz reicht nicht.";
    case EACCES:
    case EPERM:
    case EROFS:
      return "Keine Berechtigung zum Schreiben.";
    case ENOENT:
    case ENOTDIR:
      return "Der Ordner existiert nicht.";
    case EISDIR:
      return "Unter diesem Namen steht ein Ordner.";
    default:
      return std::string("Systemfehler: ") + std::strerror(fehlernummer);
  }
}

// Writes everything, retrying after interruptions and partial writes.
bool schreibeAlles(int fd, std::string_view inhalt) {
  while (!inhalt.empty()) {
    const ssize_t n = ::write(fd, inhalt.data(), inhalt.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    inhalt.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::string schreibeDateiSicher(const std::string& datei, std::string_view inhalt) {
  const std::filesystem::path ziel(datei);
  std::error_code ec;
  if (std::filesystem::is_directory(ziel, ec)) return grund(EISDIR);

  // mkstemp needs a writable template; the temporary file sits beside the target so the
  // rename stays within one file system and is atomic.
  std::string muster = datei + ".XXXXXX";
  std::vector<char> puffer(muster.begin(), muster.end());
  puffer.push_back('\0');
  const int fd = ::mkstemp(puffer.data());
  if (fd < 0) return grund(errno);
  const std::string temp(puffer.data());

  const auto aufgeben = [&](int fehlernummer) {
    ::close(fd);
    ::unlink(temp.c_str());
    return grund(fehlernummer);
  };
  // mkstemp creates the file for the owner only; a document is as readable as any file.
  const mode_t maske = ::umask(0);
  ::umask(maske);
  ::fchmod(fd, 0666 & ~maske);
  if (!schreibeAlles(fd, inhalt)) return aufgeben(errno != 0 ? errno : EIO);
  if (::fsync(fd) != 0) return aufgeben(errno);
  if (::close(fd) != 0) {
    const int fehlernummer = errno;
    ::unlink(temp.c_str());
    return grund(fehlernummer);
  }
  if (::rename(temp.c_str(), datei.c_str()) != 0) {
    const int fehlernummer = errno;
    ::unlink(temp.c_str());
    return grund(fehlernummer);
  }
  return {};
}

std::string leseDatei(const std::string& datei, std::size_t maxBytes, std::string& inhalt) {
  std::FILE* f = std::fopen(datei.c_str(), "rb");
  if (f == nullptr) {
    return errno == ENOENT ? "Die Datei existiert nicht." : "Die Datei kann nicht gelesen werden.";
  }
  std::string gelesen;
  char puffer[65536];
  std::string fehler;
  for (;;) {
    const std::size_t n = std::fread(puffer, 1, sizeof puffer, f);
    if (gelesen.size() + n > maxBytes) {
      fehler = "Die Datei ist größer als " + std::to_string(maxBytes / (1024 * 1024)) + " MB.";
      break;
    }
    gelesen.append(puffer, n);
    if (n < sizeof puffer) {
      if (std::ferror(f)) fehler = "Die Datei kann nicht gelesen werden.";
      break;
    }
  }
  std::fclose(f);
  if (fehler.empty()) inhalt = std::move(gelesen);
  return fehler;
}

}  // namespace quarvel
