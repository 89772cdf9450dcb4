// Deployment without registration: with the control unregistered, a host finds it through an
// application manifest and Brocade.manifest beside it, or through the manifest embedded in
// Brocade.ocx. Each case unregisters the control and registers it again, so it runs alone.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Brocade.h"
#include "com_ptr.h"

namespace {

// What of the control this process reaches: 1 its class, 2 its ProgID, 4 its type library.
int Reachable() {
    brocade::ComPtr<IUnknown> byClass, byProgId;
    brocade::ComPtr<ITypeLib> library;
    CLSID clsid;
    auto creates = [](REFCLSID id, brocade::ComPtr<IUnknown> &control) {
        return SUCCEEDED(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID__Brocade,
                                          reinterpret_cast<void **>(control.Out())));
    };
    return creates(CLSID_Brocade, byClass) |
           (SUCCEEDED(CLSIDFromProgID(L"Brocade.Brocade", &clsid)) && creates(clsid, byProgId)) << 1 |
           SUCCEEDED(LoadRegTypeLib(LIBID_BrocadeLib, 1, 0, LOCALE_NEUTRAL, library.Out())) << 2;
}

struct Exit {
    DWORD code = ~0u;
    std::string output;
};

// Runs a program in a folder: its exit code and what it wrote to its standard output.
Exit RunProgram(const std::wstring &folder, std::wstring commandLine) {
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
        DWORD available = 0;
        if (PeekNamedPipe(reader, nullptr, 0, nullptr, &available, nullptr) && available) {
            exit.output.resize(available);
            ReadFile(reader, exit.output.data(), available, &available, nullptr);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(reader);
    CloseHandle(writer);
    return exit;
}

class Unregistered : public testing::Test {
protected:
    std::wstring bin = [] {
        wchar_t path[MAX_PATH] = L"";
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        return std::wstring(path, wcsrchr(path, L'\\'));
    }();
    std::wstring ocx = bin + L"\\Brocade.ocx";
    void SetUp() override {
        ASSERT_EQ(RunProgram(bin, L"regsvr32.exe /s /u \"" + ocx + L"\"").code, 0u);
        ASSERT_EQ(Reachable(), 0) << "still registered";
    }
    void TearDown() override { EXPECT_EQ(RunProgram(bin, L"regsvr32.exe /s \"" + ocx + L"\"").code, 0u); }
};

}  // namespace

TEST_F(Unregistered, DemoHostUsesTheControlThroughItsManifestAndNotWithoutIt) {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp + std::wstring(L"brocade-deploy-") + std::to_wstring(GetCurrentProcessId());
    const std::wstring appManifest = folder + L"\\BrocadeDemo.exe.manifest";
    const std::wstring files[] = {L"\\BrocadeDemo.exe", L"\\Brocade.ocx", L"\\BrocadeRes.dll", L"\\Brocade.manifest"};
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const std::wstring &file : files) ASSERT_TRUE(CopyFileW((bin + file).c_str(), (folder + file).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((bin + L"\\regfree\\BrocadeDemo.exe.manifest").c_str(), appManifest.c_str(), FALSE));
    const std::wstring demo = L"\"" + folder + L"\\BrocadeDemo.exe\" --self-check";

    const Exit deployed = RunProgram(folder, demo);
    EXPECT_EQ(deployed.code, 0u);
    EXPECT_EQ(deployed.output, "created by class ID: ok\ncreated by ProgID: ok\nevent sink type library: ok\n"
                               "menu styled: ok\n");
    DeleteFileW(appManifest.c_str());
    const Exit bare = RunProgram(folder, demo);
    EXPECT_EQ(bare.code, 15u) << "every step fails without the application manifest:\n" << bare.output;

    for (const std::wstring &file : files) DeleteFileW((folder + file).c_str());
    EXPECT_TRUE(RemoveDirectoryW(folder.c_str()));
}

TEST_F(Unregistered, ManifestEmbeddedInTheControlIsTheOneBesideItAndDeclaresIt) {
    HMODULE image = LoadLibraryExW(ocx.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = image ? FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST) : nullptr;
    ASSERT_TRUE(resource) << "RT_MANIFEST 1 in Brocade.ocx";
    const std::string embedded(static_cast<const char *>(LockResource(LoadResource(image, resource))),
                               SizeofResource(image, resource));
    FreeLibrary(image);
    std::ifstream beside((bin + L"\\Brocade.manifest").c_str(), std::ios::binary);
    EXPECT_EQ(embedded, std::string(std::istreambuf_iterator<char>(beside), {}));

    // A host without a manifest of its own activates the control's.
    ACTCTXW description = {sizeof description, ACTCTX_FLAG_RESOURCE_NAME_VALID, ocx.c_str()};
    description.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&description);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << GetLastError();
    ULONG_PTR cookie = 0;
    ASSERT_TRUE(ActivateActCtx(context, &cookie));
    EXPECT_EQ(Reachable(), 7);
    DWORD misc = 0;  // what a container asks before it creates the control
    EXPECT_EQ(OleRegGetMiscStatus(CLSID_Brocade, DVASPECT_CONTENT, &misc), S_OK);
    EXPECT_TRUE(misc & OLEMISC_SETCLIENTSITEFIRST) << misc;
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);
}
