// Test helpers for the .lzh association: a clean HKEY_CLASSES_ROOT before
// and after each test, and short ways to write and read default values.
#pragma once

#include <windows.h>

#include <string>

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

// The class names the tests use, all removed before and after each test.
inline void clear_lzh_classes()
{
    for (const char *name : {".lzh", "lzhfile", "OtherArc.Lzh"})
        delete_tree(HKEY_CLASSES_ROOT, name);
}

inline bool key_exists(const std::string &path)
{
    HKEY key;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, path.c_str(), &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The default value of a key, or "<missing>".
inline std::string default_value(const std::string &path)
{
    char value[1024] = "";
    LONG size = sizeof value - 1;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, path.c_str(), value, &size) != ERROR_SUCCESS)
        return "<missing>";
    return value;
}

inline void set_default_value(const std::string &path, const std::string &value)
{
    RegSetValueA(HKEY_CLASSES_ROOT, path.c_str(), REG_SZ, value.c_str(), (DWORD)value.size() + 1);
}

inline void set_named_value(const std::string &path, const char *name, const std::string &value)
{
    HKEY key;
    RegCreateKeyA(HKEY_CLASSES_ROOT, path.c_str(), &key);
    RegSetValueExA(key, name, 0, REG_SZ, (const BYTE *)value.c_str(), (DWORD)value.size() + 1);
    RegCloseKey(key);
}

// A key and everything below it as text, for comparing the registry before
// and after: each key's path, then its values (name, type and data bytes),
// then its subkeys; "@" names the default value. "" when the key does not exist.
inline std::string key_snapshot(HKEY root, const std::string &path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "";
    std::string text = "[" + path + "]\n";
    char name[1024];
    BYTE data[4096];
    for (DWORD i = 0;; ++i) {
        DWORD name_size = sizeof name, data_size = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &name_size, nullptr, &type, data, &data_size) != ERROR_SUCCESS)
            break;
        text += std::string(name[0] ? name : "@") + " (" + std::to_string(type) + ") = " +
                std::string((const char *)data, data_size) + "\n";
    }
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        text += key_snapshot(root, path + "\\" + name);
    RegCloseKey(key);
    return text;
}
