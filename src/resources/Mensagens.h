// Operator texts of the module, one named constant each, grouped by family. UTF-8; the host layer converts
// to Latin-1 where text crosses to the host.
#pragma once

#include <QString>

namespace msg {

// A catalogue text as a QString.
inline QString Texto(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Prompts
inline constexpr char MsgAgencia[] = "Forneça o número da agência";
inline constexpr char MsgAlterar[] = "Alterar ?";
inline constexpr char MsgBairro[] = "Forneça o bairro";
inline constexpr char MsgBanco[] = "Forneça o número do banco";
inline constexpr char MsgCEP[] = "Forneça o CEP";
inline constexpr char MsgCMC7[] = "Forneça o número do CMC7";
inline constexpr char MsgCestaAtual[] = "Cesta atual:";
inline constexpr char MsgCheque[] = "Forneça o número de cheque";
inline constexpr char MsgCidade[] = "Forneça a Cidade ";
inline constexpr char MsgCodigoBarras[] = "Informe o código de barras do documento.";
inline constexpr char MsgCodigoCliente[] = "Forneça o código do cliente";
inline constexpr char MsgCodigoDepositante[] = "Forneça o código do depositante";
inline constexpr char MsgCodigoLimite[] = "Selecione o Código do Limite";
inline constexpr char MsgCodigoReceita[] = "Forneça o Código da Receita que está sendo paga.";
inline constexpr char MsgCodigoSeguranca[] =
    "Forneça o Codigo de Seguranca do cartao (0: inexistente, 1: ilegivel)";
inline constexpr char MsgCompensacao[] = "Forneça o número da compensação";
inline constexpr char MsgComplemento[] = "Forneça o complemento do endereço, se houver";
inline constexpr char MsgConectePin[] = "Erro conecte Pin (%s)";
inline constexpr char MsgConfirmaValorPinpad[] = "Confirma Valor ?";
inline constexpr char MsgConfirmacaoValorTEFPinpad[] = "Solicite confirmação do valor do TEF no PinPad";
inline constexpr char MsgConsultaSegmentosComErro[] = "Erro na Consulta de Segmentos";
inline constexpr char MsgConta[] = "Forneça o número da conta";
inline constexpr char MsgContaCorrente[] = "Forneça o número da conta corrente";
inline constexpr char MsgCpfCgc[] = "Forneça o número do documento";
inline constexpr char MsgDDDCelular[] = "Digite o DDD e pressione <ENTER>.";
inline constexpr char MsgDadosBancoInvalido[] = "Banco Inválido (%s). O correto é (%s)";
inline constexpr char MsgDadosCheques[] = "Entre com os dados dos cheques. Tecle Enter para próximo campo.";
inline constexpr char MsgDadosResumoIdBoletoRegistrado[] = "Resumo dos Dados Adicionais";
inline constexpr char MsgDadosResumoPagamento[] = "Dados Resumo do Pagamento";
inline constexpr char MsgDataAberturaEmpresa[] = "Forneça a data de abertura da empresa";
inline constexpr char MsgDataFinal[] = "Forneça a Data da Saída.";
inline constexpr char MsgDataInicial[] = "Forneça a Data da Entrada.";
inline constexpr char MsgDataNascimento[] = "Forneça a data de nascimento";
inline constexpr char MsgDataVencimento[] = "Informe a data de vencimento do documento.";
inline constexpr char MsgDataTransacao[] = "Informe a data da transação";
inline constexpr char MsgHoraTransacao[] = "Informe a hora da transação";
inline constexpr char MsgDataMovimento[] = "Informe a data do movimento";
inline constexpr char MsgDataVencimentoNovamente[] = "Informe novamente o Vencimento";
inline constexpr char MsgDataVencimentoPrimParc[] = "Informe a data de vencimento da Primeira Parcela";
inline constexpr char MsgDesbloqueioCheque[] = "Selecione o número de cheque inicial e final ";
inline constexpr char MsgDesejaInformarNovoValor[] = "Deseja informar um novo valor ?";
inline constexpr char MsgDias[] = "dias";
inline constexpr char MsgDigitacao1LinhaCheque[] = "1 - Digitação da 1° Linha do Cheque";
inline constexpr char MsgDigitacaoCMC7[] = "2 - Digitação do CMC-7";
inline constexpr char MsgDigiteSenhaCodigoToken[] = "Digite o código (6 dígitos) recebido no celular";
inline constexpr char MsgDigiteSenhaOutrosServicos[] = "Digite a senha (4 dígitos) para outros serviços";
inline constexpr char MsgDigiteSenhaPrimeiroTitular[] = "Digite a senha (6 dígitos) do primeiro titular";
inline constexpr char MsgDigiteSenhaSegundoTitular[] =
    "Digite a senha (6 dígitos) do segundo titular"; // texto não fixado
inline constexpr char MsgDigiteSenhaTerceiroTitular[] =
    "Digite a senha (6 dígitos) do terceiro titular"; // texto não fixado
inline constexpr char MsgDigitoC1[] = "Forneça o C1";
inline constexpr char MsgDigitoC2[] = "Forneça o C2";
inline constexpr char MsgDigitoC3[] = "Forneça o C3";
inline constexpr char MsgDigitoConta[] = "Forneça o dígito da conta";
inline constexpr char MsgDigitoNB[] = "Forneça o dígito do número do beneficiário (NB)";
inline constexpr char MsgEmProcessamento[] = "Aguarde, em processamento...";
inline constexpr char MsgEndereco[] = "Forneça o endereço";
inline constexpr char MsgErroBiDigitacaoInvalido[] = "Redigitação do Conteúdo da Entrada Inválido";
inline constexpr char MsgErroBloco1Invalido[] = "O primeiro bloco está inválido.Favor Redigitá-lo!";
inline constexpr char MsgErroBloco2Invalido[] = "O segundo bloco está inválido.Favor Redigitá-lo!";
inline constexpr char MsgErroBloco3Invalido[] = "O terceiro bloco está inválido.Favor Redigitá-lo!";
inline constexpr char MsgErroBloco4Invalido[] = "O quarto bloco está inválido.Favor Redigitá-lo!";
inline constexpr char MsgErroCargaParametros[] =
    "Não foi possível efetuar a carga de parâmetros para \n\rPagamento de Contas ";
inline constexpr char MsgErroCodBarrasRepetido[] = "Codigo de Barras Repetido";
inline constexpr char MsgErroCodigoBarras[] = "O Código de Barras foi digitado incorretamente.Favor Revê-lo!";
inline constexpr char MsgErroConsultaFiliaisRecargaIndefinidas[] =
    "Filiais para Recarga de Pré-Pago indefinidas";
inline constexpr char MsgErroConsultaSegmento[] =
    "Não foi possível efetuar a Consulta de Segmento para\n\rTransação Pague Fácil";
inline constexpr char MsgErroConteudoEntradaInvalido[] = "Conteúdo da Entrada Inválido";
inline constexpr char MsgErroDVInvalido[] = "Código Inválido";
inline constexpr char MsgErroDataIncorreta[] =
    "As datas informadas estão incorretas,\n\rinforme-as novamente";
inline constexpr char MsgErroDesbloqueioTalonarioInvalido[] = "Desbloqueio Talonário Inválido";
inline constexpr char MsgErroDocumentoInvalido[] = "Documento Inválido";
inline constexpr char MsgErroExcedeQTDEPagtos[] = "Excede a quantidade de pagamentos";
inline constexpr char MsgErroFormasPagtoEmComum[] = "Não existe formas de pagamento em comum";
inline constexpr char MsgErroNumComprovanteInvalido[] = "O N° do Comprovante está inválido";
inline constexpr char MsgErroPagtoemComum[] = "Não existe formas de pagamento em comum para este código de "
                                              "barras.\n\rEste código de barras não será considerado.";
inline constexpr char MsgErroSequenciaCartaoInvalida[] = "Sequência Cartão Inválida";
inline constexpr char MsgErroTpEntradaInvalido[] = "Tipo de Entrada Inválido";
inline constexpr char MsgErroValorIncorreto[] =
    "Os valores informados estão incorretos,\n\rinforme-os novamente";
inline constexpr char MsgErroValoresRecargaFilialIndefinidos[] =
    "Valores de Recarga para a Filial selecionada indefinidos";
inline constexpr char MsgErroViaCartaoInvalida[] = "Via Cartão Inválida";
inline constexpr char MsgErroVlrAcresIncorreto[] =
    "Os valores informados estão incorretos,\n\rinforme-os novamente";
inline constexpr char MsgErroVlrDesconto[] =
    "Os valores informados estão incorretos,\n\rinforme-os novamente";
inline constexpr char MsgErroVlrJurosMoraIncorreto[] =
    "Os valores informados estão incorretos,\n\rinforme-os novamente";
inline constexpr char MsgErroVlrMultaIncorreto[] =
    "Os valores informados estão incorretos,\n\rinforme-os novamente";
inline constexpr char MsgErroVlrTotal[] = "Os valores informados estão incorretos,\n\rinforme-os novamente";
inline constexpr char MsgFalhaConsPagto[] = "Falha na Consulta de Pagamento";
inline constexpr char MsgForaLimitesValoresAutorizados[] = "Valor fora dos limites autorizados";
inline constexpr char MsgFormaPagamento[] = "Selecione a forma de pagamento";
inline constexpr char MsgFuncaoAdministrativa[] = "Selecione a opção desejada";
inline constexpr char MsgIdentificador[] = "Forneça o código do identificador.";
inline constexpr char MsgInformeNovamenteNumCel[] =
    "Informe novamente o número do celular e pressione <ENTER>";
inline constexpr char MsgLeituraCMC7[] = "0 - Leitura de CMC-7";
inline constexpr char MsgMagneticoCHIP[] = "Magnético/CHIP";
inline constexpr char MsgMenuConsultas[] = "Selecione o tipo de consulta desejado";
inline constexpr char MsgMenuOutrasFuncoes[] = "Selecione outras funções desejada";
inline constexpr char MsgModalidadeConta[] = "Selecione a modalidade da conta";
inline constexpr char MsgNB[] = "Forneça o número do beneficiário (NB)";
inline constexpr char MsgNIT[] = "Forneça o número de identificação do trabalhador beneficiário (NIT)";
inline constexpr char MsgNSUVortaGenerico[] = "Informe o número do NSU Vorta";
inline constexpr char MsgNumeroComprovante[] = "Informe o número do comprovante da venda com cartão";
inline constexpr char MsgNomeCedente[] = "Nome Beneficiário: ";
inline constexpr char MsgNomeDepositante[] = "Forneça o nome do depositante";
inline constexpr char MsgNomeInstituicao[] = "Nome da Instituição: ";
inline constexpr char MsgNomePagador[] = "Nome Pagador: ";
inline constexpr char MsgNomeSacador[] = "Nome Sacador: ";
inline constexpr char CNPJCPFCedente[] = "CPF/CNPJ Beneficiário: ";
inline constexpr char CNPJCPFPagador[] = "CPF/CNPJ Pagador: ";
inline constexpr char CNPJCPFSacador[] = "CPF/CNPJ Sacador: ";
inline constexpr char MsgNomeTitular1[] = "Forneça o nome completo do primeiro titular";
inline constexpr char MsgNomeTitular2[] = "Forneça o nome completo do segundo titular";
inline constexpr char MsgNomeTitular3[] = "Forneça o nome completo do terceiro titular";
inline constexpr char MsgNovoDocumento[] = "Gostaria de informar outro documento?";
inline constexpr char MsgNumContrato[] = "Forneça o Número do Contrato";
inline constexpr char MsgNumEndereco[] = "Forneça o número";
inline constexpr char MsgNumRecibo[] = "Informe o Número do Recibo de Retirada";
inline constexpr char MsgNumeroCartaoDigitado[] = "Forneça o Número do Cartão e Tecle <ENTER>.";
inline constexpr char MsgNumeroCelular[] = "Digite o número do Celular e pressione <ENTER>";
inline constexpr char MsgNumeroParcelas[] = "Forneça o número de parcelas";
inline constexpr char MsgNumeroReferencia[] = "Forneça o Número de Referência para o DARF.";
inline constexpr char MsgNumeroTitulares[] = "Selecione o número de titulares da conta";
inline constexpr char MsgOperacaoNaoConfirmadaPinpad[] = "Operação não confirmada no PinPad";
inline constexpr char MsgPara[] = "para";
inline constexpr char MsgParametrosIndefinidos[] = "Parâmetros pagamento de contas indefinidos";
inline constexpr char MsgPeriodoApuracao[] =
    "Forneça a Data da Ocorrência ou do Encerramento do Período Base.";
inline constexpr char MsgPessoaFisicaConjuntaEOU[] = "Pessoa Física Conjunta E/OU";
inline constexpr char MsgPessoaFisicaIndividual[] = "Pessoa Física Individual";
inline constexpr char MsgPessoaFisicaSolidariaE[] = "Pessoa Física Solidária E";
inline constexpr char MsgPessoaJuridicaIndividual[] = "Pessoa Jurídica Individual";
inline constexpr char MsgPinpadAguarde[] = "Aguarde...";
inline constexpr char MsgPinpadConfirmaTarifa[] = "Confirma Tarifa?";
inline constexpr char MsgQtdeCheques[] = "Forneça a quantidade de cheques.";
inline constexpr char MsgRazaoSocialCedente[] = "Razao Social Beneficiário: ";
inline constexpr char MsgRazaoSocialPagador[] = "Razao Social Pagador: ";
inline constexpr char MsgRazaoSocialSacador[] = "Razao Social Sacador: ";
inline constexpr char MsgReDigiteSenhaOutrosServicos[] = "Redigite a senha (4 dígitos) para outros serviços";
inline constexpr char MsgReDigiteSenhaPrimeiroTitular[] =
    "Redigite a senha (6 dígitos) do primeiro titular"; // texto não fixado
inline constexpr char MsgReDigiteSenhaSegundoTitular[] =
    "Redigite a senha (6 dígitos) do segundo titular"; // texto não fixado
inline constexpr char MsgReDigiteSenhaTerceiroTitular[] =
    "Redigite a senha (6 dígitos) do terceiro titular"; // texto não fixado
inline constexpr char MsgRepasseDinheiroRecargaCB[] =
    "O lojista é responsável em receber o dinheiro e repassar à Filial.";
inline constexpr char MsgSelecioneCategoria[] = "Selecione a Categoria";
inline constexpr char MsgSelecioneConcessionaria[] = "Selecione a Concessionária";
inline constexpr char MsgSelecioneFilial[] = "Selecione a Filial";
inline constexpr char MsgSelecioneNumContrato[] = "Selecione o número do contrato";
inline constexpr char MsgSelecioneOpcaoCancSaque[] = "Selecione a opção de cancelamento de saque desejada";
inline constexpr char MsgSelecioneOpcaoSaque[] = "Selecione a opção de saque desejada";
inline constexpr char MsgSequenciaCartao[] = "Forneça a sequência do cartao";
inline constexpr char MsgSimulacao[] = "simulação";
inline constexpr char MsgSolicitaConfCel[] = "Solicite a confirmação do Telefone no Pinpad";
inline constexpr char MsgSolicitaConfCelPagtoValorTarifa[] =
    "Solicite a confirmação de pagamento do valor da tarifa no Pinpad";
inline constexpr char MsgSolicitaConfSenha[] = "Digite a senha";
inline constexpr char MsgSolicitaConfVal[] = "Solicite a confirmação do Valor no Pinpad";
inline constexpr char MsgSoliciteSenhaToken[] = "Digite o Token";
inline constexpr char MsgTecladoReduzido[] = "(2 - próxima/ 8 - anterior).";
inline constexpr char MsgTecleEnterParaConfirmar[] = "Tecle <ENTER> para confirmar.";
inline constexpr char MsgTecleEnterParaRetornar[] = "Tecle <ENTER> para retornar.";
inline constexpr char MsgTipoCPFPortador[] = "Selecione o tipo de CPF do portador";
inline constexpr char MsgTipoContaCredito[] = "Selecione o tipo de conta crédito";
inline constexpr char MsgTipoDeposito[] = "Selecione o Tipo de Depósito";
inline constexpr char MsgTipoEntrada[] = "Forneça o Tipo de Entrada";
inline constexpr char MsgTipoExtrato[] = "Selecione o tipo de extrato.";
inline constexpr char MsgTipoOperacaoConsultaSaldo[] = "Selecione o tipo de operação para Consulta de Saldo";
inline constexpr char MsgTipoOperacaoEmprestimo[] = "Selecione o tipo de operação para Empréstimo";
inline constexpr char MsgTipoPagamento[] = "Selecione o tipo de pagamento";
inline constexpr char MsgTipoPessoa[] = "Selecione o tipo de pessoa";
inline constexpr char MsgTipoPessoaProprietario[] = "Selecione o tipo de pessoa proprietário";
inline constexpr char MsgTpEntrada[] = "Informe o tipo de entrada (0-Leitura ou 1-Digitado).";
inline constexpr char MsgTransacaoNaoHabilitada[] = "Transacao Nao Habilitada";
inline constexpr char MsgTransfFundos[] = "Atenção essa transação não efetua transferência de fundos.";
inline constexpr char MsgUF[] = "Forneça a Sigla do Estado";
inline constexpr char MsgValorAcimaLimite[] = "Valor acima do limite disponível";
inline constexpr char MsgValorAcrescimosResumo[] = "Valor Acrescimos (Mora + Multa) : ";
inline constexpr char MsgValorDepositoCheque[] = "Forneça o Valor do Depósito em Cheque";
inline constexpr char MsgValorDepositoDinheiro[] = "Forneça o Valor do Depósito em Dinheiro";
inline constexpr char MsgValorDescontoNovamente[] = "Informe novamente os descontos";
inline constexpr char MsgValorDescontosReduzido[] = "Valor Desconto: ";
inline constexpr char MsgValorDinheiro[] = "Forneça o valor do pagamento em dinheiro";
inline constexpr char MsgValorDocumentoNovamente[] = "Informe novamente o Valor";
inline constexpr char MsgValorEmprestimo[] = "Forneça o valor do Empréstimo";
inline constexpr char MsgValorLimiteTransferenciaContas[] =
    "Valor Limite ->\rValor Limite deve ser R$ %s. Valor Inválido.";
inline constexpr char MsgValorMinimoParcela[] = "Valor da parcela menor que o mínimo (%s)";
inline constexpr char MsgValorMora[] = "ValorMora                       : ";
inline constexpr char MsgValorMulta[] = "Forneça o valor da multa.";
inline constexpr char MsgValorMultaNovamente[] = "Informe novamente da multa";
inline constexpr char MsgValorMultaResumo[] = "Valor Multa                     : ";
inline constexpr char MsgValorOriginal[] = "Valor Original                  : ";
inline constexpr char MsgValorPercentual[] = "Forneça o valor do percentual.";
inline constexpr char MsgValorPrincipal[] = "Forneça o valor principal da Receita.";
inline constexpr char MsgValorRecargaCelular[] = "Selecione o valor da Recarga";
inline constexpr char MsgValorReceitaBruta[] = "Forneça o valor da receita bruta.";
inline constexpr char MsgValorTarifaCliente[] = "OBSERVAÇÃO: esta tarifa será paga pelo cliente";
inline constexpr char MsgValorTotal[] = "Forneça o valor da transação";
inline constexpr char MsgValorVariavel[] = "Digite o Valor para Recarga.";
inline constexpr char MsgViaCartao[] = "Forneça a via do cartao";
inline constexpr char MsgVlrAcrescimosNovamente[] = "Informe novamente os acréscimos";
inline constexpr char MsgVlrTotalNovamente[] = "Informe novamente o valor total";

// Titles
inline constexpr char TituloAberturaConta[] = "ABERTURA DE CONTA";
inline constexpr char TituloAltCestaServicos[] = "Alt. Cesta Serviços";
inline constexpr char TituloCancelamento[] = "CANCELAMENTO";
inline constexpr char TituloCancelamentoCB[] = "Cancelamento Correspondente Bancário";
inline constexpr char TituloCancelamentoDeposito[] = "Cancelamento de Depósito";
inline constexpr char TituloCancelamentoPagtoCartao[] = "Cancelamento Pagamento com Cartão";
inline constexpr char TituloCancelamentoPagtoCartaoCredito[] =
    "Cancelamento de Pagamento com Cartão de Crédito";
inline constexpr char TituloCancelamentoPagtoCartaoCreditoCB[] =
    "Cancelamento Pagamento com Cartão de Crédito Conta CB";
inline constexpr char TituloCancelamentoPagtoCartaoDebito[] =
    "Cancelamento de Pagamento com Cartão de Débito";
inline constexpr char TituloCancelamentoPagtoCartaoDebitoCB[] =
    "Cancelamento Pagamento com Cartão de Débito Conta CB";
inline constexpr char TituloCancelamentoPagtoCheque[] = "Cancelamento de Pagamento com Cheque";
inline constexpr char TituloCancelamentoPagtoDinheiro[] = "Cancelamento de Pagamento com Dinheiro";
inline constexpr char TituloCancelamentoPagtoDiversosDarfPreto[] = "Cancelamento de Pagamento com DARF Preto";
inline constexpr char TituloCancelamentoPagtoDiversosDarfSimples[] =
    "Cancelamento de Pagamento com DARF Simples";
inline constexpr char TituloCancelamentoPagtoDiversosGPS[] = "Cancelamento de Pagamento com GPS";
inline constexpr char TituloCancelamentoPagtoGenerico[] = "Cancelamento de Pagamento";
inline constexpr char TituloCancelamentoSaqueCartaoMagnetico[] = "Cancelamento de Saque com Cartão Magnético";
inline constexpr char TituloCancelamentoSaqueCheque[] = "Cancelamento de Saque com Cheque";
inline constexpr char TituloCancelamentoSaqueINSS[] = "Cancelamento de Saque de Benefício INSS";
inline constexpr char TituloCancelamentoSaqueReciboRetirada[] =
    "Cancelamento de Saque com Recibo de Retirada";
inline constexpr char TituloCapturaValorTotal[] = "Captura Valor Total";
inline constexpr char TituloCapturaValorVar[] = "Captura Valor Variável";
inline constexpr char TituloCargaCelularOperadoras[] = "CARGA DE CELULAR PRÉ-PAGO";
inline constexpr char TituloCargaCelularPrePago[] = "Solicitação de Carga de Celular Pré-Pago";
inline constexpr char TituloColetaDadosChequeDeposito[] = "Coleta de Dados de Cheques para Depósito";
inline constexpr char TituloColetaDadosConta[] = "COOLETA DADOS DA CONTA";
inline constexpr char TituloConfirmacaoDadosDeposito[] = "Confirmação dos dados do depósito";
inline constexpr char TituloConfirmacaoDadosPagueFacilEntrada[] =
    "Confirmação dos dados do Pague Fácil Entrada";
inline constexpr char TituloConsultaBeneficioINSSAgenciaConta[] = "CONSULTA BENEFÍCIO INSS (Agência/Conta)";
inline constexpr char TituloConsultaBeneficioINSSNB[] = "CONSULTA BENEFÍCIO INSS (NB)";
inline constexpr char TituloConsultaBeneficioINSSNIT[] = "CONSULTA BENEFÍCIO INSS (NIT)";
inline constexpr char TituloConsultaCodigoBarras[] = "Consulta Código de Barras";
inline constexpr char TituloConsultaDadosCadastraisAberturaConta[] =
    "CONSULTA DE DADOS CADASTRAIS PARA ABERTURA DE CONTA";
inline constexpr char TituloConsultaDadosContaDeposito[] = "Consulta Dados da Conta Depósito";
inline constexpr char TituloConsultaDesbloqueioTalonario[] = "Consulta Desbloqueio Talonario Cheque";
inline constexpr char TituloConsultaEmprestimo[] = "Consulta de Empréstimo";
inline constexpr char TituloConsultaExtratoCartaoPrePago[] = "Consulta Extrato do Cartão Pré-Pago";
inline constexpr char TituloConsultaFiliaisRecarga[] = "Consulta de Filiais para Recarga de Celular Pré-Pago";
inline constexpr char TituloConsultaIdClienteDepTransf[] = "Consulta Identificação Cliente";
inline constexpr char TituloConsultaIdClienteSaque[] = "Consulta Identificação Cliente - Saque";
inline constexpr char TituloConsultaSaldo[] = "Consulta de Saldo";
inline constexpr char TituloConsultaSaldoCartaoPrePago[] = "Consulta Saldo Cartão Pré-Pago";
inline constexpr char TituloConsultaSaldoExtrato[] = "CONSULTA SALDO EXTRATO DO CARTÃO DE CRÉDITO";
inline constexpr char TituloConsultaSegmento[] = "Pague Fácil - Consulta Segmento";
inline constexpr char TituloConsultaTransferencia[] = "Consulta Transferencia";
inline constexpr char TituloConsultaValoresRecarga[] = "Consulta de Valores de Recarga de Celular Pré-Pago";
inline constexpr char TituloConsultas[] = "CONSULTAS";
inline constexpr char TituloContinuaPagamento[] = "Continuação do Pagamento";
inline constexpr char TituloDadosDoPagador[] = "DADOS DO PAGADOR";
inline constexpr char TituloDebito[] = "CARTÃO DE DÉBITO";
inline constexpr char TituloDeposito[] = "DEPÓSITO EM CONTA";
inline constexpr char TituloDepositoCartaoPrePago[] = "Depósito Cartão Pré-Pago";
inline constexpr char TituloEfetivaEmprestimo[] = "Efetivação de Empréstimo";
inline constexpr char TituloEfetivaTransferenciaEntreContas[] = "Efetiva Transferencia entre Contas";
inline constexpr char TituloFechamentoRepasse[] = "Fechamento de Repasse";
inline constexpr char TituloFormaPagto[] = "FORMAS DE PAGAMENTO";
inline constexpr char TituloFormasPagamento[] = "Formas de Pagamento";
inline constexpr char TituloIdentificacaoClienteCartaoPrePago[] = "Identificacao Cliente Cartão Pré-Pago";
inline constexpr char TituloMenuCancSaque[] = "Menu Cancelamento de Saque";
inline constexpr char TituloMenuCartaoPrePago[] = "Transação de Cartão Pré-Pago";
inline constexpr char TituloMenuConsultaBeneficioINSS[] = "CONSULTA BENEFÍCIO INSS";
inline constexpr char TituloMenuPagamentoDiversos[] = "Menu Pagamento Diversos";
inline constexpr char TituloMenuSaque[] = "Menu Saque";
inline constexpr char TituloPagamentoCartaoCredito[] = "Pagamento com Cartão de Crédito";
inline constexpr char TituloPagamentoCartaoDebito[] = "Pagamento com Cartão de Débito";
inline constexpr char TituloPagamentoCheque[] = "Pagamento em Cheque";
inline constexpr char TituloPagamentoContas[] = "Pagamento de Contas";
inline constexpr char TituloPagamentoDinheiro[] = "Pagamento em Dinheiro";
inline constexpr char TituloRecargaCBDebito[] = "Recarga de Celular Pré-Pago - Cartão Débito";
inline constexpr char TituloRecargaCBDinheiro[] = "Recarga de Celular Pré-Pago - Dinheiro";
inline constexpr char TituloRecargaCelular[] = "Recarga de Celular";
inline constexpr char TituloReimpressaoCB[] = "Reimpressão Correspondente Bancário";
inline constexpr char TituloSaqueCartaoMag[] = "Saque com Cartão Magnético";
inline constexpr char TituloSaqueCartaoPrePago[] = "Saque com Cartão Pré-Pago";
inline constexpr char TituloSaqueCheque[] = "Saque com Cheque";
inline constexpr char TituloSaqueINSS[] = "Saque de Benefício INSS";
inline constexpr char TituloSaqueReciboRetirada[] = "Saque com Recibo de Retirada";
inline constexpr char TituloSelecaoValores[] = "Seleção de Valor para Recarga";
inline constexpr char TituloSelecionaTipoOperacaoConsultaExtrato[] =
    "Consulta Extrato - Seleção de Tipo de Operação";
inline constexpr char TituloSelecionaTipoOperacaoConsultaPagueFacil[] =
    "Consulta Pague Fácil - Seleção de Tipo de Operação";
inline constexpr char TituloSelecionaTipoOperacaoConsultaSaldo[] =
    "Consulta Saldo - Seleção de Tipo de Operação";
inline constexpr char TituloSelecionaTipoOperacaoEmprestimo[] = "Empréstimo - Seleção de Tipo de Operação";
inline constexpr char TituloSimulaEmprestimo[] = "Simulação de Empréstimo";
inline constexpr char TituloTransferenciaCartaoPrePago[] = "Transferêencia Cartão Pré-Pago";
inline constexpr char TituloValorMaximo[] = "Valor Máximo:";
inline constexpr char TituloValorMinimo[] = "Valor Mínimo:";

// Menu options. No hot-key prefix: menus prepend "&n - " themselves; the closing option
// is the exception and carries its fixed "&9 - ".
inline constexpr char OpcaoAgenciaConta[] = "AG/CONTA";
inline constexpr char OpcaoBeneficioINSS[] = "Benefício INSS";
inline constexpr char OpcaoCartao[] = "Cartão";
inline constexpr char OpcaoCartaoMagnetico[] = "Cartão Magnético";
inline constexpr char OpcaoCheque[] = "Cheque";
inline constexpr char OpcaoCred[] = "Créd";
inline constexpr char OpcaoCredito[] = "Crédito";
inline constexpr char OpcaoDadosConta[] = "Dados da Conta";
inline constexpr char OpcaoDarfPreto[] = "DARF Preto";
inline constexpr char OpcaoDarfSimples[] = "DARF Simples";
inline constexpr char OpcaoDeb[] = "Déb";
inline constexpr char OpcaoDebito[] = "Débito";
inline constexpr char OpcaoDeposito[] = "Depósito";
inline constexpr char OpcaoDepositoIdentificado[] = "Depósito Identificado";
inline constexpr char OpcaoDigitado[] = "Cartão Digitado";
inline constexpr char OpcaoDinheiro[] = "Dinheiro";
inline constexpr char OpcaoEmprestimoConsignado[] = "Empréstimo Consignado";
inline constexpr char OpcaoEmprestimoPreAprovado[] = "Empréstimo Pré Aprovado";
inline constexpr char OpcaoEncerra[] = "&9 - Encerra";
inline constexpr char OpcaoExtrato[] = "Extrato";
inline constexpr char OpcaoGPS[] = "GPS";
inline constexpr char OpcaoMagnetico[] = "Cartão Magnético";
inline constexpr char OpcaoMultiplasFormas[] = "Múltiplas Formas";
inline constexpr char OpcaoNB[] = "NB";
inline constexpr char OpcaoNIT[] = "NIT";
inline constexpr char OpcaoNumeroCelular[] = "Número Celular";
inline constexpr char OpcaoRecargaBradesco[] = "Recarga Bradesco";
inline constexpr char OpcaoRecargaCorbanOS[] = "Recarga Corban OS";
inline constexpr char OpcaoRecargaGXS[] = "Recarga GXS";
inline constexpr char OpcaoReciboRetirada[] = "Com Recibo Retirada";
inline constexpr char OpcaoSaldo[] = "Saldo";
inline constexpr char OpcaoSaque[] = "Saque";
inline constexpr char OpcaoSaqueCartaoMagnetico[] = "Com Cartão Mag.";
inline constexpr char OpcaoSaqueCheque[] = "Com Cheque";
inline constexpr char OpcaoTransferencia[] = "Transferência"; // texto não fixado

// Labels and notices
inline constexpr char InfoAcrescimos[] = "Acréscimos:";
inline constexpr char InfoAgencia[] = "Agência:";
inline constexpr char InfoAlertaConsultaSaldoCartaoPrePago[] = "Aguarde... Consultando Saldo Cartão Pré-Pago";
inline constexpr char InfoAlertaDepositoCartaoPrePago[] =
    "Aguarde... Efetuando Depósito Cartão Pré-Pago"; // texto não fixado
inline constexpr char InfoAlertaTransferenciaCartaoPrePago[] =
    "Aguarde... Efetuando Transferência Cartão Pré-Pago"; // texto não fixado
inline constexpr char InfoBanco[] = "Banco:";
inline constexpr char InfoBeneficiario[] = "Beneficiário";
inline constexpr char InfoBiDigitacaoConteudoEntrada[] = "Redigitar o Conteúdo";
inline constexpr char InfoBonus[] = "Bonus:";
inline constexpr char InfoBonusRecarga[] = "Bonus da recarga :";
inline constexpr char InfoBonusGenerico[] = "Bônus em %s :";
inline constexpr char InfoBonusPontos[] = "Bônus em pontos :";
inline constexpr char InfoBonusSms[] = "Bônus em SMS :";
inline constexpr char InfoC1[] = "C1:";
inline constexpr char InfoCEP[] = "CEP:";
inline constexpr char InfoCNPJ[] = "CNPJ:";
inline constexpr char InfoCNPJProprietario[] = "CNPJ do Proprietario:";
inline constexpr char InfoCPF[] = "CPF:";
inline constexpr char InfoCPFCGC[] = "CPF/CNPJ:";
inline constexpr char InfoCPFCGCProprietario[] = "CPF/CNPJ Proprietario:";
inline constexpr char InfoCPFPortador[] = "CPF do Portador:";
inline constexpr char InfoCPFProprietario[] = "CPF do Proprietario:";
inline constexpr char InfoCargaParametro[] = "Carga de Parâmetros";
inline constexpr char InfoCategoria[] = "Categoria:";
inline constexpr char InfoCelula0[] = "Ord.";
inline constexpr char InfoCelula1[] = "Documento";
inline constexpr char InfoCelula2[] = "Valor";
inline constexpr char InfoChequeFin[] = "Cheque";
inline constexpr char InfoCodigoCliente[] = "Codigo Cliente:";
inline constexpr char InfoCodigoDepositante[] = "Codigo Depositante";
inline constexpr char InfoComprovante[] = "Comprovante:";
inline constexpr char InfoConfirma[] = "&1 - Confirma";
inline constexpr char InfoConsultaSegmento[] = "Aguarde... Consultando Segmentos disponíveis...";
inline constexpr char InfoConta[] = "Conta:";
inline constexpr char InfoCustoRecarga[] = "Custo da recarga :";
inline constexpr char InfoDDD[] = "DDD:";
inline constexpr char InfoDataAberturaEmpresa[] = "Data de Abertura da Empresa:";
inline constexpr char InfoDataFinal[] = "Data Final:";
inline constexpr char InfoDataInicial[] = "Data Inicial:";
inline constexpr char InfoDataNascimento2[] = "Data de Nascimento:";
inline constexpr char InfoDataTrn[] = "Data da Transação:";
inline constexpr char InfoHoraTrn[] = "Hora da Transação:";
inline constexpr char InfoDiferentes[] = "Diferentes";
inline constexpr char InfoDinheiro[] = "Dinheiro";
inline constexpr char InfoDinheiroECheque[] = "Dinheiro e Cheque";
inline constexpr char InfoFilial[] = "Filial:";
inline constexpr char InfoIdentificador[] = "Identificador:";
inline constexpr char InfoIguais[] = "Iguais";
inline constexpr char InfoLBDocumento[] = "Documento:";
inline constexpr char InfoMsgAlerta[] = "Aguarde... Carregando parâmetro de Pagamento";
inline constexpr char InfoMsgAlertaContinuaPagto[] = "Aguarde... Continuando Pagamento";
inline constexpr char InfoNB[] = "NB:";
inline constexpr char InfoNIT[] = "NIT:";
inline constexpr char InfoNSUVorta[] = "NSU Vorta:";
inline constexpr char InfoNsuServ[] = "NSU Serv:";
inline constexpr char InfoNumeroCelular[] = "Número Celular:";
inline constexpr char InfoNumeroDoCelular[] = "Número do Celular:";
inline constexpr char InfoNumeroRecibo[] = "Número do Recibo";
inline constexpr char InfoNumeroReferencia[] = "Número de Referência:";
inline constexpr char InfoPagador[] = "Pagador";
inline constexpr char InfoPercentual[] = "Percentual:";
inline constexpr char InfoPeriodoValidadeBonus[] = "Validade do Bônus:";
inline constexpr char InfoPeriodoValidadeRecarga[] = "Validade da Recarga:";
inline constexpr char InfoPorcentagem[] = "Porcentagem:";
inline constexpr char InfoPortadorProprietarioCPF[] = "Portador e Proprietário possuem CPFs:";
inline constexpr char InfoQtdeCheque[] = "Qtde Cheques:";
inline constexpr char InfoReceitaBruta[] = "Receita Bruta:";
inline constexpr char InfoRetorna[] = "&9 - Retorna";
inline constexpr char InfoSacador[] = "Sacador";
inline constexpr char InfoSequenciaCartao[] = "Sequencia Cartao:";
inline constexpr char InfoTipoConta[] = "Tipo de Conta:";
inline constexpr char InfoTipoContaBeneficioINSS[] = "Conta Benefício INSS";
inline constexpr char InfoTipoContaContaPoupanca[] = "Conta Poupança";
inline constexpr char InfoTipoContaCorrente[] = "Conta Corrente";
inline constexpr char InfoTipoContaCredito[] = "Tipo de Conta Crédito:"; // texto não fixado
inline constexpr char InfoTipoContaDebito[] = "Tipo de Conta Débito:";   // texto não fixado
inline constexpr char InfoTipoContaEmpresa[] = "Conta Empresa";
inline constexpr char InfoTipoContaPoupanca[] = "Poupança";
inline constexpr char InfoTipoContaSalario[] = "Conta Salário";
inline constexpr char InfoTipoDeposito[] = "Tipo de Depósito";
inline constexpr char InfoTipoEntrada[] = "Tipo Entrada:";
inline constexpr char InfoTipoPessoa[] = "Tipo de Pessoa:";
inline constexpr char InfoTipoPessoaFisica[] = "Física";
inline constexpr char InfoTipoPessoaJuridica[] = "Jurídica";
inline constexpr char InfoTipoPessoaProprietario[] = "Tipo Pessoa Proprietário";
inline constexpr char InfoUF[] = "UF:";
inline constexpr char InfoValorAutorizado[] = "Valor Autorizado: ";
inline constexpr char InfoValorDescontos[] = "Valor:";
inline constexpr char InfoValorDinheiro[] = "Valor em Dinheiro:";
inline constexpr char InfoValorDocumento[] = "Valor do Documento: ";
inline constexpr char InfoValorJuros[] = "Valor Juros:";
inline constexpr char InfoValorMulta[] = "Valor Multa:";
inline constexpr char InfoValorPagamento[] = "Valor Total:";
inline constexpr char InfoValorParcial[] = "Valor Parcial:";
inline constexpr char InfoValorRecarga[] = "Valor da Recarga:";
inline constexpr char InfoValorTarifa[] = "Valor da Tarifa:";
inline constexpr char InfoValorTransacao[] = "Valor:";
inline constexpr char InfoValorTroco[] = "Valor Troco:";
inline constexpr char InfoValorVariavel[] = "Valor Variável";
inline constexpr char InfoVencimento[] = "Vencimento:";
inline constexpr char InfoViaCartao[] = "Via Cartao:";

// Errors
inline constexpr char ErroAgenciaInvalida[] = "Número de Agência inválido";
inline constexpr char ErroBairroInvalido[] = "Bairro inválido";
inline constexpr char ErroBancoInvalido[] = "Número do banco inválido";
inline constexpr char ErroCEPInvalido[] = "CEP inválido";
inline constexpr char ErroCNPJInvalido[] = "Número de CNPJ inválido";
inline constexpr char ErroCPFCGCInvalido[] = "Número de documento inválido";
inline constexpr char ErroCPFInvalido[] = "Número de CPF inválido";
inline constexpr char ErroChequeInvalido[] = "Número do Cheque inválido";
inline constexpr char ErroCidadeInvalido[] = "Cidade inválida";
inline constexpr char ErroCmc7Invalido[] = "Número do CMC7 inválido";
inline constexpr char ErroCodigoPagamentoInvalido[] = "Código do Pagamento inválido";
inline constexpr char ErroCodigoReceitaInvalido[] = "Código da Receita inválido";
inline constexpr char ErroContaInvalida[] = "Número de Conta inválido";
inline constexpr char ErroCriaFormulario[] = "Erro na criação do formulário:%s";
inline constexpr char ErroDDDInvalido[] = "DDD inválido";
inline constexpr char ErroDataInvalida[] = "Data inválida";
inline constexpr char ErroHoraInvalida[] = "Hora inválida";
inline constexpr char ErroDigitoGeralInvalido[] =
    "Dígito Verificador Geral do Código de Barras inválido. Favor informar.";
inline constexpr char ErroDigitoInvalido[] = "Número de Digíto inválido";
inline constexpr char ErroDigitoNBInvalido[] = "Dígito do número do beneficiário (NB) inválido";
inline constexpr char ErroEnderecoInvalido[] = "Endereço inválido";
inline constexpr char ErroFinalizadoOper[] = "Finalizado pelo Operador";
inline constexpr char ErroIdentificadorInvalido[] = "Número Identificador do Contribuinte inválido";
inline constexpr char ErroModalidadeConta[] = "Modalidade da conta inválida";
inline constexpr char ErroNBInvalido[] = "Número do beneficiário (NB) inválido";
inline constexpr char ErroNITInvalido[] =
    "Número de identificação do trabalhador beneficiário (NIT) inválido";
inline constexpr char ErroNomeInvalido[] = "Nome inválido";
inline constexpr char ErroNomeProprietarioInvalido[] = "Erro Nome do Proprietário Inválido";
inline constexpr char ErroNumComprovante[] = "Número de comprovante inválido ";
inline constexpr char ErroNumReciboInvalido[] = "Número de Recibo Inválido";
inline constexpr char ErroNumeroCelInvalido[] = "Número de Celular inválido";
inline constexpr char ErroNumeroEnderecoInvalido[] = "Número do Endereço inválido";
inline constexpr char ErroNumeroParcelasInvalido[] = "Número de Parcelas Inválido";
inline constexpr char ErroNumeroTitulares[] = "Número de titulares inválido";
inline constexpr char ErroOperacaoCancelada[] = "Operacao Cancelada";
inline constexpr char ErroPorcentagemDescontos[] =
    "A porcentagem de Descontos excede 100%,\ninforme novamente.";
inline constexpr char ErroQuantidadeChequesInvalidaDeposito[] = "A quantidade de Cheques não foi informada";
inline constexpr char ErroQuantidadeChequesInvalidaExisteValorDeposito[] =
    "A quantidade de Cheques não foi informada,\rsendo que existe valor de depósito em Cheque";
inline constexpr char ErroQuantidadeChequesInvalidaMax[] =
    "Quantidade de Cheques Inválida. Informe novamente (máx.%d).";
inline constexpr char ErroRedenaopermitida[] = "Rede não permitida";
inline constexpr char ErroSemDadosFavorecido[] = "Sem dados do favorecido";
inline constexpr char ErroSemProduto[] = "Sem Produto";
inline constexpr char ErroSemUF[] = "Sem UF";
inline constexpr char ErroSemValores[] = "Sem Valores";
inline constexpr char ErroSenhaNaoConfere[] = "Senha não confere. Tentar cadastrar novamente ?";
inline constexpr char ErroSomaValoresDepositoIncorreta[] = "O(s) valor(es) do depósito está(ão) incorreto(s)";
inline constexpr char ErroTelefoneCelNaoConfere[] =
    "Os telefones informados não conferem,\ninforme-os novamente.";
inline constexpr char ErroTipoCPFPortadorInvalido[] = "Tipo de CPF do Portador Inválido";
inline constexpr char ErroTipoContaInvalida[] = "Tipo de Conta Inválida";
inline constexpr char ErroTipoDeposito[] = "Tipo de Depósito Inválido";
inline constexpr char ErroTipoExtratoInvalida[] = "Tipo de Extrato Inválido";
inline constexpr char ErroTipoPessoaInvalido[] = "Tipo de Pessoa Inválido";
inline constexpr char ErroUFInvalido[] = "Sigla do Estado inválida";
inline constexpr char ErroValorAcrescimoNaoConfere[] =
    "Valor acréscimo não confere (Valor Multa + Valor Juros)";
inline constexpr char ErroValorChequeInvalidoDeposito[] =
    "O Valor do depósito em Cheque não foi informado\rsendo que a quantidade de Cheques foi informada";
inline constexpr char ErroValorDescontos[] =
    "O valor de Descontos excede o Valor Original,\ninforme novamente.";
inline constexpr char ErroValorDinheiro[] =
    "O valor Original excede o Valor do Pagamento em Dinheiro,\ninforme novamente.";
inline constexpr char ErroValorInvalido[] = "Valor de transação inválido";
inline constexpr char ErroValoresCheques[] =
    "Os valores dos cheques não conferem com o valor total informado";

// Host-level messages
inline constexpr char MSG_CARTAO_INVALIDO[] = "Cartão inválido.";
inline constexpr char MSG_FALHA_MODULO[] = "Falha ao tentar carregar módulo ";
inline constexpr char MSG_FALTA_PIN_TRN[] = "PinPad não encontrado.";

// Texts of the frame's own safeguards
inline constexpr char MsgErroInesperado[] = "Erro inesperado no módulo Correspondente Bancário";
inline constexpr char MsgInterfaceIndisponivel[] =
    "Interface gráfica indisponível para o Correspondente Bancário";
inline constexpr char MsgSemLimiteRestabelecer[] = "Nenhum limite a restabelecer";
inline constexpr char MsgRestabeleceLimiteIndisponivel[] = "Restabelecimento de limite indisponível";
// How many entries of the limit-restoration file the bank confirmed in this run, and how many are left.
inline constexpr char MsgLimitesRestabelecidos[] = "Limites restabelecidos: %1; pendentes: %2";

} // namespace msg
