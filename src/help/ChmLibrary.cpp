// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/ChmLibrary.h"

#include <chm_lib.h>
#include <dlfcn.h>

namespace {

struct Functions {
    decltype(&chm_open) open = nullptr;
    decltype(&chm_close) close = nullptr;
    decltype(&chm_resolve_object) resolveObject = nullptr;
    decltype(&chm_retrieve_object) retrieveObject = nullptr;
    decltype(&chm_enumerate) enumerate = nullptr;
};

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The library's functions, all of them or none.
Functions Load() {
    void* library = dlopen("libchm.so.1", RTLD_NOW | RTLD_LOCAL);
    Functions f;
    if (!library) return f;
    if (Resolve(library, "chm_open", f.open) && Resolve(library, "chm_close", f.close) &&
        Resolve(library, "chm_resolve_object", f.resolveObject) &&
        Resolve(library, "chm_retrieve_object", f.retrieveObject) &&
        Resolve(library, "chm_enumerate", f.enumerate))
        return f;
    dlclose(library);
    return {};
}

const Functions& Chm() {
    static const Functions functions = Load();
    return functions;
}

}  // namespace

bool LoadChmLibrary() {
    return Chm().open != nullptr;
}

// The functions the help uses, with libchm's own names and declarations.
// Without the library, no file opens, so the others are never reached.
extern "C" {

chmFile* chm_open(const char* filename) {
    return LoadChmLibrary() ? Chm().open(filename) : nullptr;
}

void chm_close(chmFile* h) {
    Chm().close(h);
}

int chm_resolve_object(chmFile* h, const char* objPath, chmUnitInfo* ui) {
    return Chm().resolveObject(h, objPath, ui);
}

LONGINT64 chm_retrieve_object(chmFile* h, chmUnitInfo* ui, unsigned char* buf, LONGUINT64 addr,
                              LONGINT64 len) {
    return Chm().retrieveObject(h, ui, buf, addr, len);
}

int chm_enumerate(chmFile* h, int what, CHM_ENUMERATOR e, void* context) {
    return Chm().enumerate(h, what, e, context);
}
}
