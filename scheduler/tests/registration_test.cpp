// Registration, creation by ProgID, the type library and the exact
// dispatch ids of every member.
#include <olectl.h>

#include <utility>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/registration.h"
#include "platform/com/text.h"
#include "platform/testkit/scratch.h"
#include "scheduler/tests/scheduler_fixture.h"

namespace sundrave_test {
namespace {

const char kScheduleClsid[] = "{48829A95-991E-40AE-B6F7-D17F1A3B843B}";
const GUID kLibId = {0x74604565, 0xEFDB, 0x4CC1, {0xAB, 0x64, 0x79, 0xDD, 0xA0, 0x2D, 0x2B, 0xF6}};

using Members = std::vector<std::pair<const wchar_t*, DISPID>>;

void ExpectIds(IDispatch* object, const Members& members) {
    for (const auto& member : members) {
        LPOLESTR name = const_cast<LPOLESTR>(member.first);
        DISPID id = 0;
        EXPECT_EQ(S_OK, object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))
            << com::Narrow(member.first);
        EXPECT_EQ(member.second, id) << com::Narrow(member.first);
    }
}

long EnumValue(ITypeLib* library, const wchar_t* enumName, const wchar_t* member) {
    com::ComPtr<ITypeInfo> info;
    MEMBERID id = 0;
    USHORT found = 1;
    LPOLESTR name = const_cast<LPOLESTR>(enumName);
    if (FAILED(library->FindName(name, 0, info.put(), &id, &found)) || !found) return -1;
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    long value = -1;
    for (UINT i = 0; i < attr->cVars; ++i) {
        VARDESC* var = nullptr;
        info->GetVarDesc(i, &var);
        BSTR varName = nullptr;
        UINT names = 0;
        info->GetNames(var->memid, &varName, 1, &names);
        if (varName && lstrcmpW(varName, member) == 0) value = V_I4(var->lpvarValue);
        SysFreeString(varName);
        info->ReleaseVarDesc(var);
    }
    info->ReleaseTypeAttr(attr);
    return value;
}

}  // namespace

TEST(SundraveRegistration, WritesClassProgIdAndTypeLibrary) {
    const std::string clsidKey = std::string("CLSID\\") + kScheduleClsid;
    EXPECT_EQ(kScheduleClsid,
              testkit::RegString(HKEY_CLASSES_ROOT, "TaskScheduler.Schedule\\CLSID", ""));
    EXPECT_EQ("TaskScheduler.Schedule",
              testkit::RegString(HKEY_CLASSES_ROOT, clsidKey + "\\ProgID", ""));
    EXPECT_EQ(0, lstrcmpiA(ServerPath().c_str(),
                           testkit::RegString(HKEY_CLASSES_ROOT, clsidKey + "\\InprocServer32", "")
                               .c_str()));
    EXPECT_EQ("Apartment", testkit::RegString(HKEY_CLASSES_ROOT, clsidKey + "\\InprocServer32",
                                              "ThreadingModel"));
    EXPECT_EQ("{74604565-EFDB-4CC1-AB64-79DDA02D2BF6}",
              testkit::RegString(HKEY_CLASSES_ROOT, clsidKey + "\\TypeLib", ""));
    EXPECT_EQ("Quintelle Task Scheduler Class v1.1",
              testkit::RegString(HKEY_CLASSES_ROOT,
                                 "TypeLib\\{74604565-EFDB-4CC1-AB64-79DDA02D2BF6}\\1.0", ""));
}

// Where oleaut32 has no UnRegisterTypeLib (95 and NT 4 as shipped),
// unregistering removes the library's keys itself, and only its own: an
// interface key another library has claimed since stays.
TEST(SundraveRegistration, TypeLibraryKeysGoWithoutTheSystemsUnregistering) {
    const std::string libraryKey = "TypeLib\\{74604565-EFDB-4CC1-AB64-79DDA02D2BF6}";
    const std::string schedule = "Interface\\{83920365-50DA-493D-A5A9-13A07A0EC777}";
    const std::string claimed = "Interface\\{5E1389EF-2A61-4EEF-9FB9-8C527879E1AD}";
    ASSERT_TRUE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, schedule));
    testkit::SetRegString(HKEY_CLASSES_ROOT, claimed + "\\TypeLib", "",
                          "{6D1E0C4A-3F2B-4E8D-A190-550B7E213C0A}");
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        com::ComPtr<ITypeLib> library;
        ASSERT_EQ(S_OK, LoadTypeLibEx(com::Widen(ServerPath()).c_str(), REGKIND_NONE, library.put()));
        EXPECT_EQ(S_OK, com::RemoveTypeLibKeys(*library.get()));
        EXPECT_EQ(S_OK, com::RemoveTypeLibKeys(*library.get()));
    }
    CoUninitialize();
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, libraryKey));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, schedule));
    EXPECT_TRUE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, claimed));
    ASSERT_EQ(0u, RunRegsvr32(false));
    EXPECT_TRUE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, libraryKey));
    EXPECT_EQ("{74604565-EFDB-4CC1-AB64-79DDA02D2BF6}",
              testkit::RegString(HKEY_CLASSES_ROOT, claimed + "\\TypeLib", ""));
}

TEST(SundraveRegistration, TypeLibraryCarriesVersionHelpStringAndEnumerations) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        com::ComPtr<ITypeLib> library;
        ASSERT_EQ(S_OK, LoadRegTypeLib(kLibId, 1, 0, 0, library.put()));
        BSTR name = nullptr, help = nullptr;
        ASSERT_EQ(S_OK, library->GetDocumentation(-1, &name, &help, nullptr, nullptr));
        EXPECT_EQ("TaskScheduler", com::Narrow(name));
        EXPECT_EQ("Quintelle Task Scheduler Class v1.1", com::Narrow(help));
        SysFreeString(name);
        SysFreeString(help);
        EXPECT_EQ(2048, EnumValue(library.get(), L"saTaskFlags", L"tfRestartOnIdleResume"));
        EXPECT_EQ(7, EnumValue(library.get(), L"saTriggerTypes", L"ttAtLogon"));
        EXPECT_EQ(2048, EnumValue(library.get(), L"saTriggerMonths", L"tmDecember"));
        EXPECT_EQ(64, EnumValue(library.get(), L"saTriggerDays", L"tdSaturday"));
        EXPECT_EQ(5, EnumValue(library.get(), L"saTriggerWeeks", L"twLast"));
        EXPECT_EQ(4, EnumValue(library.get(), L"saTriggerFlags", L"tfTriggerDisabled"));
    }
    CoUninitialize();
}

TEST(SundraveRegistration, UnregisterRemovesTheClassAndRegisterRestoresIt) {
    ASSERT_EQ(0u, RunRegsvr32(true));
    EXPECT_EQ("", testkit::RegString(HKEY_CLASSES_ROOT, "TaskScheduler.Schedule\\CLSID", ""));
    ASSERT_EQ(0u, RunRegsvr32(false));
    EXPECT_EQ(kScheduleClsid,
              testkit::RegString(HKEY_CLASSES_ROOT, "TaskScheduler.Schedule\\CLSID", ""));
}

using SundraveServer = SchedulerTest;

TEST_F(SundraveServer, RegistersWholeOrNotAtAllUnregistersTwiceAndRefusesAnEmptyTaskName) {
    Outcome unnamed = Method(schedule_.get(), schedule::CreateTask, {Text(L"")});
    EXPECT_EQ(DISP_E_EXCEPTION, unnamed.hr);
    EXPECT_EQ(E_INVALIDARG, unnamed.code);

    ASSERT_EQ(0u, RunRegsvr32(true));
    EXPECT_EQ(0u, RunRegsvr32(true)) << "what is not registered counts as removed";
    // A copy of the server whose type library cannot be registered leaves
    // no class behind for a client's check to find.
    testkit::ScratchDir dir("sundrave-without-typelib");
    const std::string copy = dir.file("Sundrave.dll");
    ASSERT_TRUE(CopyFileA(ServerPath().c_str(), copy.c_str(), FALSE));
    HANDLE resources = BeginUpdateResourceA(copy.c_str(), TRUE);
    ASSERT_NE(nullptr, resources);
    ASSERT_TRUE(EndUpdateResourceA(resources, FALSE));
    EXPECT_NE(0u, testkit::Regsvr32(copy, false));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, std::string("CLSID\\") + kScheduleClsid));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, "TaskScheduler.Schedule"));
    ASSERT_EQ(0u, RunRegsvr32(false));
}

TEST_F(SundraveServer, ScheduleAnswersDispatchAndErrorInfo) {
    com::ComPtr<ISupportErrorInfo> errors;
    ASSERT_EQ(S_OK, errors.queryFrom(schedule_.get(), IID_ISupportErrorInfo));
    const IID schedule = {0x83920365, 0x50DA, 0x493D, {0xA5, 0xA9, 0x13, 0xA0, 0x7A, 0x0E, 0xC7, 0x77}};
    EXPECT_EQ(S_OK, errors->InterfaceSupportsErrorInfo(schedule));
    com::ComPtr<IUnknown> unknown;
    EXPECT_EQ(S_OK, unknown.queryFrom(schedule_.get(), schedule));
    EXPECT_EQ(E_NOINTERFACE, schedule_->QueryInterface(IID_IClassFactory, unknown.putVoid()));
    UINT count = 0;
    EXPECT_EQ(S_OK, schedule_->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);
}

TEST_F(SundraveServer, ModuleStaysLoadedWhileObjectsLive) {
    HMODULE server = GetModuleHandleA(ServerPath().c_str());
    ASSERT_NE(nullptr, server);
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    ASSERT_NE(nullptr, canUnload);
    EXPECT_EQ(S_FALSE, canUnload());
    schedule_.reset();
    EXPECT_EQ(S_OK, canUnload());
}

TEST_F(SundraveServer, EveryMemberHasItsDispatchId) {
    ExpectIds(schedule_.get(), {{L"CreateTask", schedule::CreateTask},
                                {L"NewEnum", schedule::NewEnum},
                                {L"Refresh", schedule::Refresh},
                                {L"Delete", schedule::Delete},
                                {L"Job", schedule::Job},
                                {L"TargetComputer", schedule::TargetComputer},
                                {L"Count", schedule::Count}});
    com::ComPtr<IDispatch> job = NewTask(L"Ids");
    ASSERT_TRUE(job);
    ExpectIds(job.get(), {{L"ApplicationName", job::ApplicationName},
                          {L"CommandLine", job::CommandLine},
                          {L"Comment", job::Comment},
                          {L"Creator", job::Creator},
                          {L"ErrorRetryCount", job::ErrorRetryCount},
                          {L"ErrorRetryInterval", job::ErrorRetryInterval},
                          {L"ExitCode", job::ExitCode},
                          {L"Flags", job::Flags},
                          {L"IdleWait", job::IdleWait},
                          {L"MaxRunTime", job::MaxRunTime},
                          {L"Priority", job::Priority},
                          {L"Status", job::Status},
                          {L"Edit", job::Edit},
                          {L"Run", job::Run},
                          {L"Terminate", job::Terminate},
                          {L"LastRunTime", job::LastRunTime},
                          {L"NextRunTime", job::NextRunTime},
                          {L"FileName", job::FileName},
                          {L"Name", job::Name},
                          {L"Save", job::Save},
                          {L"ShowProperties", job::ShowProperties},
                          {L"WorkingDirectory", job::WorkingDirectory},
                          {L"Triggers", job::Triggers}});
    com::ComPtr<IDispatch> list = Get(job.get(), job::Triggers).object();
    ASSERT_TRUE(list);
    ExpectIds(list.get(), {{L"Add", triggers::Add},
                           {L"NewEnum", triggers::NewEnum},
                           {L"Remove", triggers::Remove},
                           {L"Count", triggers::Count},
                           {L"Item", triggers::Item},
                           {L"Update", triggers::Update}});
    com::ComPtr<IDispatch> trigger = Method(list.get(), triggers::Add).object();
    ASSERT_TRUE(trigger);
    ExpectIds(trigger.get(), {{L"DaysInterval", trigger::DaysInterval},
                              {L"Day", trigger::Day},
                              {L"Months", trigger::Months},
                              {L"DaysOfTheWeek", trigger::DaysOfTheWeek},
                              {L"Week", trigger::Week},
                              {L"WeeksInterval", trigger::WeeksInterval},
                              {L"Refresh", trigger::Refresh},
                              {L"Update", trigger::Update},
                              {L"Text", trigger::Text},
                              {L"TriggerType", trigger::TriggerType},
                              {L"Duration", trigger::Duration},
                              {L"Interval", trigger::Interval},
                              {L"Flags", trigger::Flags},
                              {L"BeginDay", trigger::BeginDay},
                              {L"EndDay", trigger::EndDay},
                              {L"RandomInterval", trigger::RandomInterval},
                              {L"StartTime", trigger::StartTime}});
}

}  // namespace sundrave_test
