# The programs are built hardened as Debian builds its packages (dpkg-buildflags with
# hardening=+all): fortified libc calls, stack protection, a read-only relocation table
# bound at start-up. Not under the sanitizers, which bring checks of their own, and not
# without optimization, which fortification needs.
if(NOT FILTER_SANITIZE AND NOT FILTER_FUZZ)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_compile_options(-fstack-protector-strong)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
