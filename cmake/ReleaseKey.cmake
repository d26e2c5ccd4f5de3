# The public key that signs releases, compiled into the program: the updater installs only
# what a manifest signed with its private key names. The file is the key in DER form
# (openssl ec -pubout -outform DER); the private key never enters the repository.
set(BRINDLOW_RELEASE_KEY ${CMAKE_SOURCE_DIR}/packaging/release-key.der CACHE FILEPATH
  "Public key (P-256, DER) whose signatures the updater trusts")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${BRINDLOW_RELEASE_KEY})

file(READ ${BRINDLOW_RELEASE_KEY} key_hex HEX)
# SubjectPublicKeyInfo of an uncompressed P-256 point: this prefix, then X and Y.
set(p256_prefix "3059301306072a8648ce3d020106082a8648ce3d03010703420004")
string(LENGTH "${key_hex}" key_length)
string(FIND "${key_hex}" "${p256_prefix}" prefix_at)
if(NOT key_length EQUAL 182 OR NOT prefix_at EQUAL 0)
  message(FATAL_ERROR "${BRINDLOW_RELEASE_KEY} is not a P-256 public key in DER form")
endif()
string(SUBSTRING "${key_hex}" 54 128 point_hex)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," BRINDLOW_RELEASE_KEY_BYTES "${point_hex}")
configure_file(${CMAKE_SOURCE_DIR}/src/updater/ReleaseKey.h.in
  ${CMAKE_BINARY_DIR}/generated/updater/ReleaseKey.h @ONLY)
