#include "ModuleConfig.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace sim {

const std::vector<std::string>& ModuleConfig::Keys() {
    static const std::vector<std::string> keys = {
        "NetworkType",   "SSID",
        "Security",      "Key_Mode",
        "Key_Index",     "KEY",
        "DHCP",          "IP_address",
        "Subnet_mask",   "Gateway_address",
        "DNS_server",    "SC_Mode",
        "Server_IP",     "Port",
        "Baudrate",      "Uartdata_Check",
        "Uartdata_Bit",  "Uartdata_Stopbit",
        "Uartdata_Long", "Uartdata_Timeout",
        "Web_Password",
    };
    return keys;
}

ModuleConfig ModuleConfig::Default() {
    static const char* const values[] = {
        "STA",
        "SimNet",
        "WPA/WPA2",
        "ASCII",
        "1",
        "sim-password",
        "ENABLE",
        "192.168.1.100",
        "255.255.255.0",
        "192.168.1.1",
        "192.168.1.1",
        "Client",
        "192.168.1.10",
        "8899",
        "115200",
        "None",
        "8",
        "1",
        "1024",
        "50",
        "admin",
    };
    ModuleConfig config;
    for (std::size_t i = 0; i < Keys().size(); ++i) {
        config.values_.emplace_back(Keys()[i], values[i]);
    }
    return config;
}

std::optional<ModuleConfig> ModuleConfig::Parse(std::string_view text, std::string& error) {
    ModuleConfig config = Default();
    std::size_t lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        const auto colon = line.find(':');
        const auto key = line.substr(0, colon);
        if (colon == std::string_view::npos || key.empty()) {
            error = "line " + std::to_string(lineNo) + " is not Key:value";
            return std::nullopt;
        }
        bool known = false;
        for (const auto& k : Keys()) {
            known = known || k == key;
        }
        if (!known) {
            error = "line " + std::to_string(lineNo) + ": unknown key " + std::string(key);
            return std::nullopt;
        }
        config.Set(key, std::string(line.substr(colon + 1)));
    }
    return config;
}

const std::string& ModuleConfig::Get(std::string_view key) const {
    for (const auto& [k, v] : values_) {
        if (k == key) {
            return v;
        }
    }
    throw std::out_of_range("no key " + std::string(key));
}

void ModuleConfig::Set(std::string_view key, std::string value) {
    for (auto& [k, v] : values_) {
        if (k == key) {
            v = std::move(value);
            return;
        }
    }
    throw std::out_of_range("no key " + std::string(key));
}

std::string ModuleConfig::Lines(std::string_view lineEnd,
                                const std::vector<std::string>& leftOut) const {
    std::string out;
    for (const auto& [k, v] : values_) {
        if (std::find(leftOut.begin(), leftOut.end(), k) != leftOut.end()) {
            continue;
        }
        out.append(k).append(":").append(v).append(lineEnd);
    }
    return out;
}

std::string ModuleConfig::Report(const std::vector<std::string>& leftOut) const {
    return Lines("\r\n", leftOut);
}

std::string ModuleConfig::FileText() const {
    return Lines("\n", {});
}

std::optional<ModuleConfig> LoadState(const std::string& path, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (errno == ENOENT) {
            return ModuleConfig::Default();  // created at the first save
        }
        error = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, n);
    }
    const bool failed = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    if (failed) {
        error = path + ": " + std::strerror(readErrno);
        return std::nullopt;
    }
    auto config = ModuleConfig::Parse(text, error);
    if (!config) {
        error = path + ": " + error;
    }
    return config;
}

bool SaveState(const std::string& path, const ModuleConfig& config, std::string& error) {
    const std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << config.FileText();
        out.flush();
        if (!out) {
            error = temp + ": cannot be written";
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace sim
