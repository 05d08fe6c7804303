; Fingerprints of text against published test vectors: MD5, SHA-1, SHA-2 in its four sizes
; and CRC32, as lower-case hexadecimal; text longer than one block; UTF-8 by default and the
; other text formats; and a byte array through Fingerprint
UseMD5Fingerprint()
UseSHA1Fingerprint()
UseSHA2Fingerprint()
UseCRC32Fingerprint()
fox$ = "The quick brown fox jumps over the lazy dog"
two$ = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"
Debug StringFingerprint("", #PB_Cipher_MD5)
Debug StringFingerprint("abc", #PB_Cipher_MD5)
Debug StringFingerprint(fox$, #PB_Cipher_MD5)
Debug StringFingerprint("abc", #PB_Cipher_SHA1)
Debug StringFingerprint(fox$, #PB_Cipher_SHA1)
Debug StringFingerprint("abc", #PB_Cipher_SHA2, 224)
Debug StringFingerprint("abc", #PB_Cipher_SHA2, 256)
Debug StringFingerprint("abc", #PB_Cipher_SHA2)
Debug StringFingerprint(two$, #PB_Cipher_SHA2, 256)
Debug StringFingerprint("abc", #PB_Cipher_SHA2, 384)
Debug StringFingerprint("abc", #PB_Cipher_SHA2, 512)
Debug StringFingerprint("123456789", #PB_Cipher_CRC32)
Debug StringFingerprint(fox$, #PB_Cipher_CRC32)
Debug StringFingerprint(LSet("", 1000, "a"), #PB_Cipher_SHA1)
Debug StringFingerprint("é€", #PB_Cipher_MD5)
Debug StringFingerprint("é€", #PB_Cipher_MD5, 0, #PB_UTF8)
Debug StringFingerprint("Aé", #PB_Cipher_MD5, 0, #PB_Ascii)
Debug StringFingerprint("Aé", #PB_Cipher_MD5, 0, #PB_Unicode)
Dim bytes.a(2)
bytes(0) = 97 : bytes(1) = 98 : bytes(2) = 99
Debug Fingerprint(bytes(), 3, #PB_Cipher_MD5)
Debug Fingerprint(bytes(), 2, #PB_Cipher_CRC32)
; expect:
; d41d8cd98f00b204e9800998ecf8427e
; 900150983cd24fb0d6963f7d28e17f72
; 9e107d9d372bb6826bd81d3542a419d6
; a9993e364706816aba3e25717850c26c9cd0d89d
; 2fd4e1c67a2d28fced849ee1bb76e7391b93eb12
; 23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7
; ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad
; ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad
; 248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1
; cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7
; ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f
; cbf43926
; 414fa339
; 291e9a6c66994949b57ba5e650361e98fc36b1ba
; d75285edbed0b771f00bbaefc623c709
; d75285edbed0b771f00bbaefc623c709
; 1dc78c8f91d0b4f5c9dbf86c347a3b0a
; f4c6ee81a43a47667114ece36603e726
; 900150983cd24fb0d6963f7d28e17f72
; 9e83486d
