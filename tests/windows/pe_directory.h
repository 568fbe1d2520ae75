// What a loaded module's PE header says it exports and imports, read from
// the mapped image so the check runs wherever the module is loaded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline const IMAGE_DATA_DIRECTORY& ImageDirectory(HMODULE module, int entry) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[entry];
}

inline std::vector<std::string> ExportedNames(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DATA_DIRECTORY& directory = ImageDirectory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
    std::vector<std::string> names;
    if (directory.Size == 0) return names;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(reinterpret_cast<const char*>(base + nameOffsets[i]));
    return names;
}

inline std::vector<std::string> ImportedModules(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DATA_DIRECTORY& directory = ImageDirectory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
    std::vector<std::string> names;
    if (directory.Size == 0) return names;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name != 0; ++entry)
        names.emplace_back(reinterpret_cast<const char*>(base + entry->Name));
    return names;
}
