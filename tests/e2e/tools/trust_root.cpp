// Adds a certificate (a DER file) to the trusted root store of the Windows it runs on, or
// with /remove takes it out again: under Wine that is the prefix's registry, never the
// host's own store. The end-to-end tests use it to make a test authority trusted for the
// length of a test. Exit status 0 when done, 1 when the file or the store failed.
#include <windows.h>
// After windows.h.
#include <wincrypt.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    const bool remove = argc == 3 && lstrcmpiW(argv[1], L"/remove") == 0;
    if (argc != 2 && !remove) return 2;
    HANDLE file = CreateFileW(argv[argc - 1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::string der(64 << 10, '\0');
    DWORD got = 0;
    const BOOL read = ReadFile(file, der.data(), static_cast<DWORD>(der.size()), &got, nullptr);
    CloseHandle(file);
    if (!read || got == 0) return 1;
    PCCERT_CONTEXT cert =
        CertCreateCertificateContext(X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()), got);
    if (!cert) return 1;
    HCERTSTORE root = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
    BOOL done = FALSE;
    if (root && !remove) {
        done = CertAddCertificateContextToStore(root, cert, CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    } else if (root) {
        // Wine's root store does not delete through the store calls, so the certificate's
        // key goes from the registry, where both systems keep the machine's roots, by its
        // SHA-1 hash in capitals.
        BYTE hash[20];
        DWORD size = sizeof hash;
        if (CertGetCertificateContextProperty(cert, CERT_SHA1_HASH_PROP_ID, hash, &size)) {
            std::wstring key = L"Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\";
            for (DWORD i = 0; i < size; ++i) {
                key += L"0123456789ABCDEF"[hash[i] >> 4];
                key += L"0123456789ABCDEF"[hash[i] & 15];
            }
            const LONG status = RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
            done = status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
        }
    }
    if (root) CertCloseStore(root, 0);
    CertFreeCertificateContext(cert);
    return done ? 0 : 1;
}
