#pragma once

#include "register/core/Settings.h"
#include "winapi/Profile.h"

#include <string>

// The settings file through the profile-string calls, as the register keeps it.
class ProfileStore final : public ledger::SettingsStore {
public:
    explicit ProfileStore(std::string file) : file_(std::move(file)) {}
    std::string getString(std::string_view key, std::string_view def, int size) const override {
        std::string buf(static_cast<std::size_t>(size), '\0');
        const auto n = winapi::GetPrivateProfileStringA("Ledgrn", std::string(key).c_str(), std::string(def).c_str(),
                                                        buf.data(), static_cast<winapi::DWORD>(size), file_.c_str());
        buf.resize(n);
        return buf;
    }
    int getInt(std::string_view key, int def) const override {
        return static_cast<int>(winapi::GetPrivateProfileIntA("Ledgrn", std::string(key).c_str(), def, file_.c_str()));
    }
    bool writeString(std::string_view key, std::string_view value) override {
        return winapi::WritePrivateProfileStringA("Ledgrn", std::string(key).c_str(), std::string(value).c_str(),
                                                  file_.c_str()) != 0;
    }

private:
    std::string file_;
};
