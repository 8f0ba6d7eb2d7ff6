#include "dialogs/records_store.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstdint>
#include <ctime>

#include "app/module1.h"
#include "app/settings_save.h"
#include "runtime/app.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// The plain content of an entry, 146 characters:
//   [0]        'Q', the form of the entry
//   [1, 5]     the points, 5 decimal digits
//   [6, 2]     the length of the name in bytes, 2 hex digits (at most 60: 15 characters of up
//              to 4 bytes each)
//   [8, 120]   the name's UTF-8 bytes as hex digits, filled up with '0'
//   [128, 10]  the date "YYYY-MM-DD", or "0000-00-00" for none
//   [138, 4]   "----"
//   [142, 4]   the check: CRC-16 of the first 142 characters, 4 hex digits
// The name travels as hex so that any character of a name is safe in the store and counts no
// more than its fixed share of the length.
constexpr std::size_t kPontos = 1, kTamanhoNome = 6, kNome = 8, kData = 128, kFolga = 138,
                      kVerificacao = 142;
constexpr std::size_t kBytesDoNome = 60;
constexpr int kCaracteresDoNome = 15;
constexpr const char* kSemData = "0000-00-00";
constexpr const char* kFolgaTexto = "----";

// The stored alphabet, in a fixed shuffled order, and the key of the substitution.
constexpr std::string_view kAlfabeto =
    "g1pus4tSybRZoLCwd5kTNAxeaDV7EB8n0Yfvmi9hU36-jXKF_MlrGPJIqWOz2QcH";
constexpr std::string_view kChave = "Ostrelo:Quopa/Tv";
static_assert(kAlfabeto.size() == 64);

int Posicao(char c) {
    std::size_t p = kAlfabeto.find(c);
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

// The shift of position i: keyed and different from one position to the next, so equal plain
// characters do not show as equal stored ones.
int Deslocamento(std::size_t i) {
    auto k = static_cast<unsigned char>(kChave[i % kChave.size()]);
    return static_cast<int>((k * 7u + i * 13u + (i * i) % 29u) % 64u);
}

uint16_t Crc16(std::string_view text) {
    uint16_t crc = 0xFFFF;
    for (char ch : text) {
        crc ^= static_cast<uint16_t>(static_cast<unsigned char>(ch) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

constexpr const char* kHex = "0123456789ABCDEF";

std::string Hex(unsigned value, int digits) {
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        out[static_cast<std::size_t>(i)] = kHex[value & 15];
    return out;
}

// The value of hex or decimal digits; -1 when a character is not a digit of that base.
long Digitos(std::string_view text, int base) {
    long value = 0;
    for (char c : text) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0) return -1;
        value = value * base + d;
    }
    return value;
}

// The length of the UTF-8 sequence that starts at text[i], or 0 when none does.
std::size_t SequenciaUtf8(std::string_view text, std::size_t i) {
    auto b = static_cast<unsigned char>(text[i]);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

// The name as it is stored: bytes that are not UTF-8 become '?', then its first 15 characters.
std::string NomeArmazenavel(std::string_view nome) {
    std::string clean;
    for (std::size_t i = 0; i < nome.size();) {
        std::size_t n = SequenciaUtf8(nome, i);
        if (n == 0) {
            clean += '?';
            ++i;
        } else {
            clean.append(nome.substr(i, n));
            i += n;
        }
    }
    return rt::Left(clean, kCaracteresDoNome);
}

bool Utf8Valido(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = SequenciaUtf8(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

bool DataValida(std::string_view d) {
    if (d.size() != 10 || d[4] != '-' || d[7] != '-') return false;
    long y = Digitos(d.substr(0, 4), 10), m = Digitos(d.substr(5, 2), 10),
         day = Digitos(d.substr(8, 2), 10);
    return y >= 1 && m >= 1 && m <= 12 && day >= 1 && day <= 31;
}

std::string Embaralha(const std::string& plain) {
    std::string out(plain.size(), ' ');
    for (std::size_t i = 0; i < plain.size(); ++i) {
        assert(Posicao(plain[i]) >= 0 && "the plain content uses the stored alphabet only");
        out[i] = kAlfabeto[static_cast<std::size_t>((Posicao(plain[i]) + Deslocamento(i)) % 64)];
    }
    return out;
}

std::optional<std::string> Desembaralha(std::string_view stored) {
    std::string plain(stored.size(), ' ');
    for (std::size_t i = 0; i < stored.size(); ++i) {
        int p = Posicao(stored[i]);
        if (p < 0) return std::nullopt;
        plain[i] = kAlfabeto[static_cast<std::size_t>((p - Deslocamento(i) + 64) % 64)];
    }
    return plain;
}

}  // namespace

std::string ChaveDoRecorde(int numero) {
    return "DataNed" + std::to_string(numero);
}

std::string CodificaRecorde(const EntradaDeRecorde& entrada) {
    const std::string nome = NomeArmazenavel(entrada.nome);
    std::string plain = "Q";
    int pontos = entrada.pontos < 0 ? 0 : entrada.pontos > 99999 ? 99999 : entrada.pontos;
    std::string digits = std::to_string(pontos);
    plain += std::string(5 - digits.size(), '0') + digits;
    plain += Hex(static_cast<unsigned>(nome.size()), 2);
    std::string hex;
    for (char c : nome) hex += Hex(static_cast<unsigned char>(c), 2);
    plain += hex + std::string(2 * kBytesDoNome - hex.size(), '0');
    plain += DataValida(entrada.data) ? entrada.data : std::string(kSemData);
    plain += kFolgaTexto;
    plain += Hex(Crc16(plain), 4);
    return Embaralha(plain);
}

std::optional<EntradaDeRecorde> DecodificaRecorde(std::string_view texto) {
    if (texto.size() != kTamanhoDoRegistro) return std::nullopt;
    std::optional<std::string> plain = Desembaralha(texto);
    if (!plain) return std::nullopt;
    std::string_view p = *plain;
    if (p[0] != 'Q' || p.substr(kFolga, 4) != kFolgaTexto) return std::nullopt;
    if (Digitos(p.substr(kVerificacao, 4), 16) != Crc16(p.substr(0, kVerificacao)))
        return std::nullopt;

    EntradaDeRecorde e;
    long pontos = Digitos(p.substr(kPontos, 5), 10);
    long bytes = Digitos(p.substr(kTamanhoNome, 2), 16);
    if (pontos < 0 || bytes < 0 || bytes > static_cast<long>(kBytesDoNome)) return std::nullopt;
    e.pontos = static_cast<int>(pontos);
    std::string_view hex = p.substr(kNome, 2 * kBytesDoNome);
    for (long i = 0; i < bytes; ++i) {
        long byte = Digitos(hex.substr(static_cast<std::size_t>(2 * i), 2), 16);
        if (byte < 0) return std::nullopt;
        e.nome += static_cast<char>(byte);
    }
    if (hex.find_first_not_of('0', static_cast<std::size_t>(2 * bytes)) != std::string_view::npos)
        return std::nullopt;
    if (!Utf8Valido(e.nome) || rt::Len(e.nome) > kCaracteresDoNome) return std::nullopt;
    std::string_view data = p.substr(kData, 10);
    if (data != kSemData) {
        if (!DataValida(data)) return std::nullopt;
        e.data = std::string(data);
    }
    return e;
}

RecordesLidos LeRecordes(const rt::SettingsStore::Reader& armazenado) {
    RecordesLidos lidos;
    for (int n = 1; n <= kNumeroDeRecordes; ++n) {
        std::optional<std::string> stored = armazenado(kSecaoDosRecordes, ChaveDoRecorde(n));
        std::optional<EntradaDeRecorde> entrada;
        if (stored) entrada = DecodificaRecorde(*stored);
        if (!entrada) lidos.reparada = true;
        lidos.entradas.push_back(entrada.value_or(EntradaDeRecorde{}));
    }
    return lidos;
}

RecordesLidos LeRecordes() {
    return LeRecordes([](const std::string& secao, const std::string& chave) {
        return rt::app().settings().get(kNomeAplicativo, secao, chave);
    });
}

void OrdenaRecordes(std::vector<EntradaDeRecorde>& tabela) {
    std::stable_sort(tabela.begin(), tabela.end(),
                     [](const auto& a, const auto& b) { return a.pontos > b.pontos; });
}

void InsereNaTabela(std::vector<EntradaDeRecorde>& tabela, const EntradaDeRecorde& entrada) {
    auto lugar = std::find_if(tabela.begin(), tabela.end(),
                              [&entrada](const auto& r) { return r.pontos < entrada.pontos; });
    tabela.insert(lugar, entrada);
    if (tabela.size() > static_cast<std::size_t>(kNumeroDeRecordes))
        tabela.resize(kNumeroDeRecordes);
}

namespace {

// The ten keys of a table, missing entries as empty ones.
std::vector<rt::Setting> ChavesDaTabela(const std::vector<EntradaDeRecorde>& tabela) {
    std::vector<rt::Setting> chaves;
    for (int n = 1; n <= kNumeroDeRecordes; ++n) {
        auto i = static_cast<std::size_t>(n - 1);
        const EntradaDeRecorde e = i < tabela.size() ? tabela[i] : EntradaDeRecorde{};
        chaves.push_back({kSecaoDosRecordes, ChaveDoRecorde(n), CodificaRecorde(e)});
    }
    return chaves;
}

}  // namespace

bool GravaNovoRecorde(const EntradaDeRecorde& entrada, std::vector<EntradaDeRecorde>& tabela) {
    bool lida = false;
    const bool gravada = AtualizaConfiguracoes([&](const rt::SettingsStore::Reader& armazenado) {
        lida = true;
        tabela = LeRecordes(armazenado).entradas;
        OrdenaRecordes(tabela);
        InsereNaTabela(tabela, entrada);
        return ChavesDaTabela(tabela);
    });
    // A store that could not even be read for the save: the result still shows in this run's
    // table, in the table as last read.
    if (!lida) InsereNaTabela(tabela, entrada);
    return gravada;
}

bool ReparaRecordes(std::vector<EntradaDeRecorde>& tabela) {
    return AtualizaConfiguracoes([&](const rt::SettingsStore::Reader& armazenado) {
        RecordesLidos lidos = LeRecordes(armazenado);
        tabela = std::move(lidos.entradas);
        OrdenaRecordes(tabela);
        return lidos.reparada ? ChavesDaTabela(tabela) : std::vector<rt::Setting>{};
    });
}

std::string DataDeHoje() {
    std::time_t t = std::chrono::system_clock::to_time_t(rt::app().clock().now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::string DataCurta(const std::string& data) {
    if (!DataValida(data)) return data;
    std::tm day{};
    day.tm_year = static_cast<int>(Digitos(std::string_view(data).substr(0, 4), 10)) - 1900;
    day.tm_mon = static_cast<int>(Digitos(std::string_view(data).substr(5, 2), 10)) - 1;
    day.tm_mday = static_cast<int>(Digitos(std::string_view(data).substr(8, 2), 10));
    day.tm_hour = 12;
    char text[64];
    if (std::strftime(text, sizeof text, "%x", &day) == 0) return data;
    return text;
}

}  // namespace quopa
