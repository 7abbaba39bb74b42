# The form streams that the program embeds as RCDATA resources, compiled from
# the readable sources in resources/dictionary by the dictionary compiler.
#
#   geolume_form_streams(<output dir> <path of the dictionary compiler>)
#
# adds the target form_streams, which leaves <output dir>/TForm1.bin and
# <output dir>/Tcontrato.bin.
function(geolume_form_streams output_dir tool)
  set(source_dir ${CMAKE_SOURCE_DIR}/resources/dictionary)
  file(GLOB sources CONFIGURE_DEPENDS ${source_dir}/*.txt)
  set(outputs ${output_dir}/TForm1.bin ${output_dir}/Tcontrato.bin)
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${tool} ${source_dir} ${output_dir}
    DEPENDS ${tool} ${sources}
    COMMENT "Compiling the form streams of the translation engine"
    VERBATIM)
  add_custom_target(form_streams ALL DEPENDS ${outputs})
endfunction()
