// Build tool, run under Wine: copies the type library widl wrote and gives enumeration
// members the public names widl cannot spell (blanks, parentheses).
//
//   tlbname <in.tlb> <out.tlb>
//
// The copy goes through ICreateTypeLib2, so the output is an ordinary type library with
// consistent name tables; everything else (GUIDs, flags, DISPIDs, help strings, vtable
// order, references to stdole) is carried over unchanged.
#include <windows.h>
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <cwchar>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace {

struct PublicName {
    const wchar_t *placeholder;
    const wchar_t *name;
};

// Every enumeration member whose public name is not a valid IDL identifier.
const PublicName kPublicNames[] = {
    {L"Horizontal_Left_To_Right", L"Horizontal Left To Right"},
    {L"Horizontal_Right_To_Left", L"Horizontal Right To Left"},
    {L"Horizontal_Center", L"Horizontal Center"},
    {L"Vertical_Top_To_Bottom", L"Vertical Top To Bottom"},
    {L"Vertical_Bottom_To_Top", L"Vertical Bottom To Top"},
    {L"Vertical_Center", L"Vertical Center"},
    {L"Office_2003", L"Office 2003"},
    {L"Flat_with_Shadow", L"Flat with Shadow"},
    {L"Chinese_Traditional", L"Chinese(Traditional)"},
    {L"Chinese_Simplified", L"Chinese(Simplified)"},
};

const wchar_t *PublicNameOf(const wchar_t *name) {
    for (const PublicName &p : kPublicNames)
        if (wcscmp(p.placeholder, name) == 0) return p.name;
    return name;
}

#define CHECK(expr)                                                                      \
    do {                                                                                 \
        HRESULT hr_ = (expr);                                                            \
        if (FAILED(hr_)) {                                                               \
            fprintf(stderr, "tlbname: %s failed: 0x%08lx (line %d)\n", #expr,            \
                    (unsigned long)hr_, __LINE__);                                       \
            throw hr_;                                                                   \
        }                                                                                \
    } while (0)

class Copier {
public:
    Copier(ITypeLib *src, ICreateTypeLib2 *dst) : src_(src), dst_(dst) {}

    void Run() {
        CopyLibAttributes();
        UINT count = src_->GetTypeInfoCount();
        for (UINT i = 0; i < count; ++i) CreateEntry(i);
        for (UINT i = 0; i < count; ++i) FillEntry(i);
        for (ICreateTypeInfo *cti : created_) CHECK(cti->LayOut());
        CHECK(dst_->SaveAllChanges());
    }

private:
    ITypeLib *src_;
    ICreateTypeLib2 *dst_;
    std::vector<ICreateTypeInfo *> created_;
    std::vector<ITypeInfo *> content_;  // the typeinfo whose members each entry copies
    std::deque<TYPEDESC> typedescs_;

    void CopyLibAttributes() {
        TLIBATTR *attr = nullptr;
        CHECK(src_->GetLibAttr(&attr));
        CHECK(dst_->SetGuid(attr->guid));
        CHECK(dst_->SetLcid(attr->lcid));
        CHECK(dst_->SetVersion(attr->wMajorVerNum, attr->wMinorVerNum));
        CHECK(dst_->SetLibFlags(attr->wLibFlags));
        src_->ReleaseTLibAttr(attr);
        BSTR name = nullptr, doc = nullptr, helpFile = nullptr;
        DWORD context = 0;
        CHECK(src_->GetDocumentation(-1, &name, &doc, &context, &helpFile));
        CHECK(dst_->SetName(name));
        if (doc) CHECK(dst_->SetDocString(doc));
        if (helpFile) CHECK(dst_->SetHelpFileName(helpFile));
        CHECK(dst_->SetHelpContext(context));
        SysFreeString(name);
        SysFreeString(doc);
        SysFreeString(helpFile);
    }

    // A dual interface is stored as its dispatch half; its members come from the vtable half.
    ITypeInfo *ContentOf(ITypeInfo *ti, const TYPEATTR *attr) {
        if (attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL)) {
            HREFTYPE href = 0;
            ITypeInfo *vtable = nullptr;
            CHECK(ti->GetRefTypeOfImplType(-1, &href));
            CHECK(ti->GetRefTypeInfo(href, &vtable));
            return vtable;
        }
        ti->AddRef();
        return ti;
    }

    void CreateEntry(UINT index) {
        ITypeInfo *ti = nullptr;
        CHECK(src_->GetTypeInfo(index, &ti));
        TYPEATTR *attr = nullptr;
        CHECK(ti->GetTypeAttr(&attr));
        ITypeInfo *content = ContentOf(ti, attr);
        TYPEATTR *cattr = nullptr;
        CHECK(content->GetTypeAttr(&cattr));

        BSTR name = nullptr, doc = nullptr;
        DWORD context = 0;
        CHECK(src_->GetDocumentation(index, &name, &doc, &context, nullptr));
        ICreateTypeInfo *cti = nullptr;
        CHECK(dst_->CreateTypeInfo(name, cattr->typekind, &cti));
        CHECK(cti->SetGuid(attr->guid));
        CHECK(cti->SetVersion(attr->wMajorVerNum, attr->wMinorVerNum));
        CHECK(cti->SetTypeFlags(attr->wTypeFlags));
        if (doc) CHECK(cti->SetDocString(doc));
        CHECK(cti->SetHelpContext(context));
        if (cattr->cbAlignment) CHECK(cti->SetAlignment(cattr->cbAlignment));
        SysFreeString(name);
        SysFreeString(doc);

        content->ReleaseTypeAttr(cattr);
        ti->ReleaseTypeAttr(attr);
        ti->Release();
        created_.push_back(cti);
        content_.push_back(content);
    }

    void FillEntry(UINT index) {
        ITypeInfo *content = content_[index];
        ICreateTypeInfo *cti = created_[index];
        TYPEATTR *attr = nullptr;
        CHECK(content->GetTypeAttr(&attr));
        if (attr->typekind == TKIND_ALIAS) {
            TYPEDESC alias = Remap(attr->tdescAlias, content, cti);
            CHECK(cti->SetTypeDescAlias(&alias));
        }
        for (UINT k = 0; k < attr->cImplTypes; ++k) CopyImplType(content, cti, k);
        for (UINT k = 0; k < attr->cVars; ++k) CopyVar(content, cti, k);
        for (UINT k = 0; k < attr->cFuncs; ++k) CopyFunc(content, cti, k);
        content->ReleaseTypeAttr(attr);
    }

    ITypeInfo *Target(ITypeInfo *ref) {
        ITypeLib *lib = nullptr;
        UINT index = 0;
        if (SUCCEEDED(ref->GetContainingTypeLib(&lib, &index))) {
            bool ours = lib == src_;
            if (!ours) {
                TLIBATTR *a = nullptr, *b = nullptr;
                lib->GetLibAttr(&a);
                src_->GetLibAttr(&b);
                ours = IsEqualGUID(a->guid, b->guid);
                lib->ReleaseTLibAttr(a);
                src_->ReleaseTLibAttr(b);
            }
            lib->Release();
            if (ours) {
                ITypeInfo *mine = nullptr;
                CHECK(created_[index]->QueryInterface(IID_ITypeInfo, (void **)&mine));
                return mine;
            }
        }
        ref->AddRef();
        return ref;
    }

    HREFTYPE RemapRef(HREFTYPE href, ITypeInfo *from, ICreateTypeInfo *to) {
        ITypeInfo *ref = nullptr;
        CHECK(from->GetRefTypeInfo(href, &ref));
        ITypeInfo *target = Target(ref);
        HREFTYPE result = 0;
        CHECK(to->AddRefTypeInfo(target, &result));
        target->Release();
        ref->Release();
        return result;
    }

    TYPEDESC Remap(const TYPEDESC &td, ITypeInfo *from, ICreateTypeInfo *to) {
        TYPEDESC out = td;
        switch (td.vt) {
        case VT_PTR:
        case VT_SAFEARRAY:
            typedescs_.push_back(Remap(*td.lptdesc, from, to));
            out.lptdesc = &typedescs_.back();
            break;
        case VT_CARRAY: {
            size_t bytes = sizeof(ARRAYDESC) + sizeof(SAFEARRAYBOUND) * td.lpadesc->cDims;
            ARRAYDESC *copy = (ARRAYDESC *)CoTaskMemAlloc(bytes);  // kept for the run
            memcpy(copy, td.lpadesc, bytes);
            copy->tdescElem = Remap(td.lpadesc->tdescElem, from, to);
            out.lpadesc = copy;
            break;
        }
        case VT_USERDEFINED:
            out.hreftype = RemapRef(td.hreftype, from, to);
            break;
        default:
            break;
        }
        return out;
    }

    void CopyImplType(ITypeInfo *from, ICreateTypeInfo *to, UINT k) {
        HREFTYPE href = 0;
        CHECK(from->GetRefTypeOfImplType(k, &href));
        CHECK(to->AddImplType(k, RemapRef(href, from, to)));
        INT flags = 0;
        // Only a coclass carries implementation flags (default, source).
        if (SUCCEEDED(from->GetImplTypeFlags(k, &flags)) && flags) CHECK(to->SetImplTypeFlags(k, flags));
    }

    void CopyVar(ITypeInfo *from, ICreateTypeInfo *to, UINT k) {
        VARDESC *vd = nullptr;
        CHECK(from->GetVarDesc(k, &vd));
        VARDESC copy = *vd;
        copy.elemdescVar.tdesc = Remap(vd->elemdescVar.tdesc, from, to);
        CHECK(to->AddVarDesc(k, &copy));
        BSTR name = nullptr, doc = nullptr;
        DWORD context = 0;
        CHECK(from->GetDocumentation(vd->memid, &name, &doc, &context, nullptr));
        CHECK(to->SetVarName(k, const_cast<LPOLESTR>(PublicNameOf(name))));
        if (doc) CHECK(to->SetVarDocString(k, doc));
        if (context) CHECK(to->SetVarHelpContext(k, context));
        SysFreeString(name);
        SysFreeString(doc);
        from->ReleaseVarDesc(vd);
    }

    void CopyFunc(ITypeInfo *from, ICreateTypeInfo *to, UINT k) {
        FUNCDESC *fd = nullptr;
        CHECK(from->GetFuncDesc(k, &fd));
        FUNCDESC copy = *fd;
        std::vector<ELEMDESC> params(fd->lprgelemdescParam, fd->lprgelemdescParam + fd->cParams);
        for (ELEMDESC &p : params) p.tdesc = Remap(p.tdesc, from, to);
        copy.lprgelemdescParam = params.empty() ? nullptr : params.data();
        copy.elemdescFunc.tdesc = Remap(fd->elemdescFunc.tdesc, from, to);
        copy.oVft = 0;  // laid out again by the new library, in the same order
        CHECK(to->AddFuncDesc(k, &copy));

        std::vector<BSTR> names(fd->cParams + 1);
        UINT got = 0;
        CHECK(from->GetNames(fd->memid, names.data(), (UINT)names.size(), &got));
        UINT limit = (fd->invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF)) ? fd->cParams
                                                                                  : fd->cParams + 1;
        CHECK(to->SetFuncAndParamNames(k, names.data(), got < limit ? got : limit));
        for (UINT i = 0; i < got; ++i) SysFreeString(names[i]);

        BSTR doc = nullptr;
        DWORD context = 0;
        CHECK(from->GetDocumentation(fd->memid, nullptr, &doc, &context, nullptr));
        if (doc) CHECK(to->SetFuncDocString(k, doc));
        if (context) CHECK(to->SetFuncHelpContext(k, context));
        SysFreeString(doc);
        from->ReleaseFuncDesc(fd);
    }
};

}  // namespace

int wmain(int argc, wchar_t **argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: tlbname <in.tlb> <out.tlb>\n");
        return 2;
    }
    CoInitialize(nullptr);
    ITypeLib *src = nullptr;
    HRESULT hr = LoadTypeLibEx(argv[1], REGKIND_NONE, &src);
    if (FAILED(hr)) {
        fprintf(stderr, "tlbname: cannot load %ls: 0x%08lx\n", argv[1], (unsigned long)hr);
        return 1;
    }
    TLIBATTR *attr = nullptr;
    src->GetLibAttr(&attr);
    SYSKIND syskind = attr->syskind;
    src->ReleaseTLibAttr(attr);

    DeleteFileW(argv[2]);
    ICreateTypeLib2 *dst = nullptr;
    hr = CreateTypeLib2(syskind, argv[2], &dst);
    if (FAILED(hr)) {
        fprintf(stderr, "tlbname: cannot create %ls: 0x%08lx\n", argv[2], (unsigned long)hr);
        return 1;
    }
    try {
        Copier(src, dst).Run();
    } catch (HRESULT) {
        DeleteFileW(argv[2]);
        return 1;
    }
    return 0;
}
