#include "qtcore/doctor/driver_info.h"

// windows.h first: setupapi.h needs its types.
#include <windows.h>

#include <setupapi.h>

#include <vector>

namespace dorvane {

namespace {

// The device setup class of serial and parallel ports ("Ports (COM & LPT)").
constexpr GUID kPortsClass{0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

QString registryString(HKEY key, const wchar_t* value) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0 ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()), &size) != ERROR_SUCCESS)
        return {};
    return QString::fromWCharArray(buffer.data());
}

// A text property of the device; of a list (hardware ids) the first entry.
QString deviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    DWORD type = 0;
    DWORD size = 0;
    SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type, nullptr, 0, &size);
    if (size == 0) return {};
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type, reinterpret_cast<PBYTE>(buffer.data()), size,
                                           nullptr))
        return {};
    return QString::fromWCharArray(buffer.data());
}

// A value of the device's hardware key (DIREG_DEV) or driver key (DIREG_DRV).
QString keyString(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD which, const wchar_t* value) {
    const HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, which, KEY_READ);
    if (key == reinterpret_cast<HKEY>(INVALID_HANDLE_VALUE) || key == nullptr) return {};
    QString text = registryString(key, value);
    RegCloseKey(key);
    return text;
}

DriverInfo describe(HDEVINFO set, SP_DEVINFO_DATA& device) {
    DriverInfo info;
    info.description = keyString(set, device, DIREG_DRV, L"DriverDesc");
    if (info.description.isEmpty()) info.description = deviceProperty(set, device, SPDRP_DEVICEDESC);
    info.provider = keyString(set, device, DIREG_DRV, L"ProviderName");
    info.version = keyString(set, device, DIREG_DRV, L"DriverVersion");
    info.date = keyString(set, device, DIREG_DRV, L"DriverDate");
    info.hardwareId = deviceProperty(set, device, SPDRP_HARDWAREID);
    info.manufacturer = deviceProperty(set, device, SPDRP_MFG);
    return info;
}

}  // namespace

std::optional<DriverInfo> driverInfoFor(const QString& portName) {
    const HDEVINFO set = SetupDiGetClassDevsW(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<DriverInfo> found;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; !found && SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        if (keyString(set, device, DIREG_DEV, L"PortName").compare(portName, Qt::CaseInsensitive) != 0) continue;
        found = describe(set, device);
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

}  // namespace dorvane
