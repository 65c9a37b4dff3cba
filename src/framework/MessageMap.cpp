#include "framework/MessageMap.h"

MessageMap::MessageMap(const MessageMap* base, std::initializer_list<MessageEntry> entries)
    : m_pBase(base), m_entries(entries) {}

const MessageEntry* MessageMap::Find(UINT message, UINT_PTR id, WORD code) const {
    for (const MessageMap* map = this; map != nullptr; map = map->m_pBase) {
        for (const MessageEntry& entry : map->m_entries) {
            if (entry.message == message && (message != WM_COMMAND || (entry.id == id && entry.code == code))) {
                return &entry;
            }
        }
    }
    return nullptr;
}
