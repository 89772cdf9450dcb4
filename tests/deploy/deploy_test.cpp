// Deployment without registration: with the control unregistered, a host finds it through an
// application manifest and Brocade.manifest beside it, or through the manifest embedded in
// Brocade.ocx. Each case unregisters the control and registers it again, so it runs alone.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Brocade.h"
#include "com_ptr.h"

namespace {

std::wstring BinFolder() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, wcsrchr(path, L'\\'));
}

std::string FileBytes(const std::wstring &path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool Creates(REFCLSID clsid) {
    brocade::ComPtr<_Brocade> control;
    return SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID__Brocade,
                                      reinterpret_cast<void **>(control.Out())));
}

bool CreatesByProgId() {
    CLSID clsid;
    return SUCCEEDED(CLSIDFromProgID(L"Brocade.Brocade", &clsid)) && Creates(clsid);
}

bool LoadsTypeLibrary() {
    brocade::ComPtr<ITypeLib> library;
    return SUCCEEDED(LoadRegTypeLib(LIBID_BrocadeLib, 1, 0, LOCALE_NEUTRAL, library.Out()));
}

const wchar_t *FileName(const wchar_t *path) {
    const wchar_t *slash = wcsrchr(path, L'\\');
    return slash ? slash + 1 : path;
}

struct Exit {
    DWORD code = ~0u;
    std::string output;
};

// The program's exit code and what it wrote to its standard output.
Exit Run(const std::wstring &folder, std::wstring commandLine) {
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    HANDLE reader = nullptr, writer = nullptr;
    Exit exit;
    if (!CreatePipe(&reader, &writer, &inherited, 1 << 16)) return exit;
    SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writer;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                       &process)) {
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0) << "the program ends";
        GetExitCodeProcess(process.hProcess, &exit.code);
        char buffer[4096];
        DWORD available = 0, read = 0;
        while (PeekNamedPipe(reader, nullptr, 0, nullptr, &available, nullptr) && available &&
               ReadFile(reader, buffer, sizeof buffer, &read, nullptr) && read)
            exit.output.append(buffer, read);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(reader);
    CloseHandle(writer);
    return exit;
}

class Unregistered : public testing::Test {
protected:
    const std::wstring bin = BinFolder(), ocx = bin + L"\\Brocade.ocx";
    void SetUp() override {
        ASSERT_EQ(Run(bin, L"regsvr32.exe /s /u \"" + ocx + L"\"").code, 0u);
        ASSERT_FALSE(Creates(CLSID_Brocade) || CreatesByProgId() || LoadsTypeLibrary()) << "still registered";
    }
    void TearDown() override { EXPECT_EQ(Run(bin, L"regsvr32.exe /s \"" + ocx + L"\"").code, 0u) << "registered again"; }
};

}  // namespace

TEST_F(Unregistered, DemoHostUsesTheControlThroughItsManifestAndNotWithoutIt) {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp + std::wstring(L"brocade-deploy-") + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const wchar_t *files[] = {L"BrocadeDemo.exe", L"Brocade.ocx", L"BrocadeRes.dll", L"Brocade.manifest",
                              L"regfree\\BrocadeDemo.exe.manifest"};
    for (const wchar_t *file : files)
        ASSERT_TRUE(CopyFileW((bin + L"\\" + file).c_str(), (folder + L"\\" + FileName(file)).c_str(), FALSE))
            << file;
    const std::wstring demo = L"\"" + folder + L"\\BrocadeDemo.exe\" --self-check";

    const Exit deployed = Run(folder, demo);
    EXPECT_EQ(deployed.code, 0u);
    EXPECT_EQ(deployed.output, "created by class ID: ok\ncreated by ProgID: ok\nevent sink type library: ok\n"
                               "menu styled: ok\n");

    ASSERT_TRUE(DeleteFileW((folder + L"\\BrocadeDemo.exe.manifest").c_str()));
    const Exit bare = Run(folder, demo);
    EXPECT_EQ(bare.code, 15u) << "every step fails without the application manifest:\n" << bare.output;

    for (const wchar_t *file : files) DeleteFileW((folder + L"\\" + FileName(file)).c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(Unregistered, ManifestEmbeddedInTheControlIsTheOneBesideItAndDeclaresIt) {
    HMODULE image = LoadLibraryExW(ocx.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(image);
    HRSRC resource = FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_TRUE(resource) << "RT_MANIFEST 1 in Brocade.ocx";
    const std::string embedded(static_cast<const char *>(LockResource(LoadResource(image, resource))),
                               SizeofResource(image, resource));
    FreeLibrary(image);
    EXPECT_EQ(embedded, FileBytes(bin + L"\\Brocade.manifest"));

    // A host without a manifest of its own activates the control's.
    ACTCTXW description = {sizeof description};
    description.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    description.lpSource = ocx.c_str();
    description.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&description);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << GetLastError();
    ULONG_PTR cookie = 0;
    ASSERT_TRUE(ActivateActCtx(context, &cookie));
    EXPECT_TRUE(Creates(CLSID_Brocade));
    EXPECT_TRUE(CreatesByProgId());
    EXPECT_TRUE(LoadsTypeLibrary());
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);
}
