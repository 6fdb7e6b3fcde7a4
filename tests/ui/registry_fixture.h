// Test helpers for the .lzh association: a clean registry before and after
// each test (the classes the tests use, machine-wide and per user, Brisel's
// registration and Windows' record of the user's choice), short ways to write
// and read values, and a real refusal of machine-wide writes.
#pragma once

#include <windows.h>

#include <string>

#include "ui/association.h"
#include "ui/association_values.h"

// Deletes a key with everything below it; a missing key is fine.
inline void delete_tree(HKEY parent, const std::string &path)
{
    HKEY key;
    if (RegOpenKeyA(parent, path.c_str(), &key) != ERROR_SUCCESS)
        return;
    char name[256];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS)
        delete_tree(key, name);
    RegCloseKey(key);
    RegDeleteKeyA(parent, path.c_str());
}

const char USER_CHOICE[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.lzh";

// The class names the tests use, all removed before and after each test.
inline void clear_lzh_classes()
{
    for (const char *name : {".lzh", "lzhfile", "OtherArc.Lzh", BRISEL_PROG_ID}) {
        delete_tree(HKEY_CLASSES_ROOT, name);
        delete_tree(HKEY_CURRENT_USER, std::string(USER_CLASSES) + name);
    }
    delete_tree(HKEY_CURRENT_USER, "Software\\Brisel");
    delete_tree(HKEY_CURRENT_USER, USER_CHOICE);
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Software\\RegisteredApplications", &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "Brisel");
        RegCloseKey(key);
    }
}

inline bool key_exists(const std::string &path, HKEY root = HKEY_CLASSES_ROOT)
{
    HKEY key;
    if (RegOpenKeyA(root, path.c_str(), &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// A value of a key ("" names the default value), or "<missing>".
inline std::string value_of(HKEY root, const std::string &path, const char *name = "")
{
    char value[1024] = "";
    DWORD size = sizeof value - 1;
    HKEY key;
    if (RegOpenKeyA(root, path.c_str(), &key) != ERROR_SUCCESS)
        return "<missing>";
    LONG status = RegQueryValueExA(key, name, nullptr, nullptr, (BYTE *)value, &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? value : "<missing>";
}

inline std::string default_value(const std::string &path)
{
    return value_of(HKEY_CLASSES_ROOT, path);
}

// The default value of a per-user class key (under Software\Classes).
inline std::string user_value(const std::string &path, const char *name = "")
{
    return value_of(HKEY_CURRENT_USER, USER_CLASSES + path, name);
}

inline void set_named_value(const std::string &path, const char *name, const std::string &value,
                            HKEY root = HKEY_CLASSES_ROOT)
{
    HKEY key;
    RegCreateKeyA(root, path.c_str(), &key);
    RegSetValueExA(key, name, 0, REG_SZ, (const BYTE *)value.c_str(), (DWORD)value.size() + 1);
    RegCloseKey(key);
}

inline void set_default_value(const std::string &path, const std::string &value)
{
    set_named_value(path, "", value);
}

// install_association for tests that need no class name back.
inline int install(const char *module_path)
{
    char class_name[ASSOCIATION_VALUE_SIZE];
    return install_association(module_path, class_name);
}

// A key and everything below it as text, one line per key and value, for
// comparing the registry before and after; path names the key in the lines.
inline std::string dump_key(HKEY key, const std::string &path)
{
    std::string out = path + "\n";
    char name[256];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD name_size = sizeof name, data_size = sizeof data - 1, type = 0;
        if (RegEnumValueA(key, i, name, &name_size, nullptr, &type, data, &data_size) != ERROR_SUCCESS)
            break;
        data[data_size] = 0;
        out += path + "|" + name + "=" + (const char *)data + "\n";
    }
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
        HKEY child;
        if (RegOpenKeyA(key, name, &child) == ERROR_SUCCESS) {
            out += dump_key(child, path + "\\" + name);
            RegCloseKey(child);
        }
    }
    return out;
}

// dump_key for the key at path under root; "" when it does not exist.
inline std::string key_snapshot(HKEY root, const std::string &path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "";
    std::string text = dump_key(key, path);
    RegCloseKey(key);
    return text;
}

// Makes HKEY_CLASSES_ROOT of this process refuse what a standard user's
// Windows refuses: it becomes a volatile key, under which every key created
// fails with ERROR_CHILD_MUST_BE_VOLATILE. Values on keys that already exist
// in it can still be written (Windows would refuse those too). add_key puts
// in volatile copies of machine-wide keys to read.
class RefusedClassesRoot {
public:
    RefusedClassesRoot()
    {
        delete_tree(HKEY_CURRENT_USER, ROOT);
        RegCreateKeyExA(HKEY_CURRENT_USER, ROOT, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &root_, nullptr);
        RegOverridePredefKey(HKEY_CLASSES_ROOT, root_);
    }
    ~RefusedClassesRoot()
    {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegCloseKey(root_);
        delete_tree(HKEY_CURRENT_USER, ROOT);
    }
    // A volatile key (each level of path) with a default value ("" for none).
    void add_key(const std::string &path, const std::string &value = "")
    {
        HKEY key = nullptr;
        for (std::size_t end = 0; end != std::string::npos;) {
            end = path.find('\\', end + 1);
            if (key)
                RegCloseKey(key);
            RegCreateKeyExA(root_, path.substr(0, end).c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr);
        }
        if (!value.empty())
            RegSetValueExA(key, "", 0, REG_SZ, (const BYTE *)value.c_str(), (DWORD)value.size() + 1);
        RegCloseKey(key);
    }
    // Everything in it, one line per key and value, to compare before and after.
    std::string contents() const { return dump_key(root_, ""); }

private:
    static constexpr const char *ROOT = "Software\\BriselTestClasses";
    HKEY root_ = nullptr;
};
