// quill_catalogue holds only resources: the compiled catalogues under ":/i18n".
