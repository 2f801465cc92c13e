#pragma once
// Where the tuned values and their backup live. Keys under HKEY_CURRENT_USER
// are marked so; the rest are under HKEY_LOCAL_MACHINE.
namespace tuning {

// HKEY_CURRENT_USER: the program's key, the backup and Internet Explorer.
constexpr char kProgramKey[] = "Software\\Velmora Surgewind";
constexpr char kBackupKey[] = "Software\\Velmora Surgewind\\Original Settings";
constexpr char kBackupMtuKey[] = "Software\\Velmora Surgewind\\Original Settings\\MTU Settings";
constexpr char kBackupMssKey[] = "Software\\Velmora Surgewind\\Original Settings\\MSS Settings";
// The modem records the boost changed, under each modem's subkey name.
constexpr char kBackupModemKey[] =
    "Software\\Velmora Surgewind\\Original Settings\\Modem Settings";
// Mirrors the backup key (with its own "MTU Settings" and "MSS Settings")
// for the values that did not exist when the backup was made: a name here
// is one Set may create and Reset deletes. A backup without this key was
// made before it existed and stands for every value of the system.
constexpr char kBackupAbsentKey[] =
    "Software\\Velmora Surgewind\\Original Settings\\Absent Values";
constexpr char kInternetSettingsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// Set in the backup key once settings have been applied over it: from then
// on the backup holds the values from before any tuning and is kept.
constexpr char kBackupAppliedValue[] = "Applied";

// HKEY_LOCAL_MACHINE: the TCP/IP stack of each family.
constexpr char kStack9xKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr char kStackNTKey[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr char kInterfacesNTKey[] =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";

// HKEY_LOCAL_MACHINE: the 9x chain from the dial-up adapter to its TCP/IP binding.
constexpr char kRootNetKey[] = "Enum\\Root\\Net";
constexpr char kMstcpKeyPrefix[] = "Enum\\Network\\MSTCP\\";
constexpr char kNetTransKeyPrefix[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\";
constexpr char kDialUpAdapter[] = "Dial-Up Adapter";

// HKEY_LOCAL_MACHINE: the modem class key of each family.
constexpr char kModemClassNTKey[] =
    "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
constexpr char kModemClass9xKey[] = "System\\CurrentControlSet\\Services\\Class\\Modem";

}  // namespace tuning
