// SPDX-License-Identifier: MIT
// A shared library opened by file name, whose functions are looked up by
// entry-point name. Both property libraries export some of the same names, so
// each is opened privately (RTLD_LOCAL) and bound through its own handle.
#ifndef HYDRELIX_STM_DYNAMIC_LIBRARY_H
#define HYDRELIX_STM_DYNAMIC_LIBRARY_H

#include <dlfcn.h>

#include <string>
#include <utility>

namespace stm {

class DynamicLibrary {
 public:
  DynamicLibrary() = default;
  explicit DynamicLibrary(const std::string& path) { open(path); }
  ~DynamicLibrary() { close(); }

  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;
  DynamicLibrary(DynamicLibrary&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}
  DynamicLibrary& operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
      close();
      handle_ = std::exchange(other.handle_, nullptr);
      error_ = std::move(other.error_);
    }
    return *this;
  }

  bool open(const std::string& path) {
    close();
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
      const char* why = dlerror();
      error_ = why ? why : "cannot open " + path;
    }
    return handle_ != nullptr;
  }

  void close() {
    if (handle_ != nullptr) dlclose(handle_);
    handle_ = nullptr;
  }

  bool isOpen() const { return handle_ != nullptr; }
  const std::string& error() const { return error_; }

  // The entry point `name` as a function pointer of type Fn, or nullptr.
  template <typename Fn>
  Fn entry(const char* name) const {
    if (handle_ == nullptr) return nullptr;
    return reinterpret_cast<Fn>(dlsym(handle_, name));
  }

 private:
  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace stm

#endif  // HYDRELIX_STM_DYNAMIC_LIBRARY_H
