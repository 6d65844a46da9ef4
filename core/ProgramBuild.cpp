#include "core/ProgramBuild.h"

#if __has_include(<link.h>)
#include <elf.h>
#include <link.h>
#define UMBRANT_HAS_PROGRAM_HEADERS 1
#endif

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

#ifdef UMBRANT_HAS_PROGRAM_HEADERS

std::size_t RoundedUp(std::size_t size, std::size_t alignment)
{
    return (size + alignment - 1) / alignment * alignment;
}

// The build ID among the notes of one note segment, if it holds it.
std::string BuildIdInNotes(const std::uint8_t* notes, std::size_t size, std::size_t alignment)
{
    std::size_t offset = 0;
    while (offset + sizeof(ElfW(Nhdr)) <= size) {
        ElfW(Nhdr) header;
        std::memcpy(&header, notes + offset, sizeof header);
        const std::size_t name = offset + sizeof header;
        const std::size_t description = name + RoundedUp(header.n_namesz, alignment);
        const std::size_t next = description + RoundedUp(header.n_descsz, alignment);
        if (description > size || next > size) {
            break;
        }
        if (header.n_type == NT_GNU_BUILD_ID && header.n_namesz == 4 && std::memcmp(notes + name, "GNU", 4) == 0) {
            static constexpr char kDigits[] = "0123456789abcdef";
            std::string hexadecimal;
            for (std::size_t k = 0; k < header.n_descsz; ++k) {
                hexadecimal += kDigits[notes[description + k] >> 4];
                hexadecimal += kDigits[notes[description + k] & 0xF];
            }
            return hexadecimal;
        }
        offset = next;
    }
    return {};
}

// Called first for the executable itself, which is the only object asked.
int ReadExecutableBuildId(dl_phdr_info* info, std::size_t, void* found)
{
    for (ElfW(Half) k = 0; k < info->dlpi_phnum; ++k) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[k];
        if (segment.p_type != PT_NOTE) {
            continue;
        }
        const auto* notes = reinterpret_cast<const std::uint8_t*>(info->dlpi_addr + segment.p_vaddr);
        const std::size_t alignment = segment.p_align == 8 ? 8 : 4;
        std::string id = BuildIdInNotes(notes, segment.p_memsz, alignment);
        if (!id.empty()) {
            *static_cast<std::string*>(found) = std::move(id);
            break;
        }
    }
    return 1;
}

#endif

} // namespace

std::string ProgramBuildId()
{
    std::string id;
#ifdef UMBRANT_HAS_PROGRAM_HEADERS
    dl_iterate_phdr(ReadExecutableBuildId, &id);
#endif
    return id;
}
